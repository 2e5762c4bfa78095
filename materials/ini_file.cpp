// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/ini_file.h"

#include "calc/file_writer.h"
#include "calc/number_text.h"
#include "materials/large_pages.h"
#include "materials/text_encoding.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volcalc {

namespace {

// Reads to the end; a file that grows past the size limit while it is read is refused too.
std::string ReadOpenFile(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            return {};
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::strerror(errno);
        }
        if (bytes.size() + static_cast<std::size_t>(count) > IniFile::MaxFileSize) {
            return "larger than " + std::to_string(IniFile::MaxFileSize >> 20) + " MB";
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Reads the whole file; the reason on failure, empty for an absent file or one that was read.
// The file is opened without waiting, so that a FIFO cannot hold the program up, and only a
// regular file of a bounded size is read.
std::string ReadWholeFile(const std::filesystem::path& path, std::string& bytes, bool& absent) {
    absent = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        absent = errno == ENOENT || errno == ENOTDIR;
        return absent ? std::string() : std::strerror(errno);
    }
    std::string problem;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        problem = std::strerror(errno);
    } else if (S_ISDIR(status.st_mode)) {
        problem = std::strerror(EISDIR);
    } else if (!S_ISREG(status.st_mode)) {
        problem = "not a regular file";
    } else if (static_cast<std::uint64_t>(status.st_size) > IniFile::MaxFileSize) {
        problem = "larger than " + std::to_string(IniFile::MaxFileSize >> 20) + " MB";
    } else {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
        PreferLargePages(bytes.data(), bytes.capacity());
        problem = ReadOpenFile(fd, bytes);
    }
    ::close(fd);
    return problem;
}

// The text in UTF-8 without the byte-order mark, whichever of the two encodings the file is in.
std::string DecodeText(std::string bytes, bool& bom, bool& windows1252) {
    bom = bytes.starts_with(Utf8Bom);
    if (bom) {
        bytes.erase(0, Utf8Bom.size());
    }
    windows1252 = !IsValidUtf8(bytes);
    return windows1252 ? Windows1252ToUtf8(bytes) : std::move(bytes);
}

std::string_view WithoutQuotes(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

EIniFileException::EIniFileException(const std::filesystem::path& path)
    : CalculationError("Unable to write to " + path.string()) {}

IniFile::IniFile(std::filesystem::path path, FileWriter* writer, std::filesystem::path source)
    : m_path(std::move(path)), m_writer(writer) {
    std::string bytes;
    bool absent = false;
    m_readProblem = ReadWholeFile(source.empty() ? m_path : source, bytes, absent);
    if (m_readProblem.empty() && !absent) {
        m_text =
            std::make_shared<const std::string>(DecodeText(std::move(bytes), m_byteOrderMark, m_windows1252));
    }
}

const IniDocument& IniFile::Document() const {
    if (!m_document) {
        m_document = IniDocument::ParseShared(m_text);
        m_document->ByteOrderMark = m_byteOrderMark;
    }
    return *m_document;
}

IniDocument& IniFile::DocumentForWriting() {
    Document();
    m_changed = true;
    return *m_document;
}

std::optional<std::string_view> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto raw = Document().RawValue(section, key);
    if (!raw) {
        return std::nullopt;
    }
    return ValueByRules(*raw);
}

void IniFile::ReadIndexed(
    std::string_view section, std::size_t count,
    const std::function<void(std::size_t index, std::optional<std::string_view> raw)>& visit) const {
    Document().VisitIndexed(section, count, visit);
}

std::string_view IniFile::ValueByRules(std::string_view raw) {
    return Utf8Prefix(WithoutQuotes(TrimBlanks(raw)), MaxValueLength);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return std::string(Value(section, key).value_or(defaultValue));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const auto value = Value(section, key);
    if (!value) {
        return defaultValue;
    }
    return ReadIntegerText(*value).value_or(defaultValue);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    DocumentForWriting().SetValue(section, key, value);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, IntegerText(value));
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    DocumentForWriting().DeleteKey(section, key);
}

void IniFile::RemoveIndexedKey(std::string_view section, std::uint64_t removed, std::uint64_t count) {
    DocumentForWriting().RemoveIndexedKey(section, removed, count);
}

void IniFile::ReplaceText(std::string text) {
    m_text = std::make_shared<const std::string>(std::move(text));
    m_document.reset();
    m_changed = true;
}

void IniFile::UpdateFile() {
    if (!m_changed) {
        return;
    }
    PosixFileWriter system;
    FileWriter& writer = m_writer != nullptr ? *m_writer : system;
    // A text replaced whole is written as it stands, without a copy, unless it needs a mark before it.
    std::string made;
    if (m_document) {
        made = m_document->Serialize();
    } else if (m_byteOrderMark) {
        made = std::string(Utf8Bom) + *m_text;
    }
    std::string_view text =
        m_document || m_byteOrderMark ? std::string_view(made) : std::string_view(*m_text);
    if (m_windows1252) {
        // A name the code page cannot hold turns the whole file into UTF-8, which holds every name.
        // So does a text that would read as UTF-8 once written in the code page ("\xC3\xA9" left
        // alone once the one name that was not UTF-8 is removed): written in UTF-8, every name
        // reads as it did.
        if (auto narrow = Utf8ToWindows1252(text); narrow && !IsValidUtf8(*narrow)) {
            made = std::move(*narrow);
            text = made;
        }
    }
    errno = 0;
    if (!m_readProblem.empty() || !ReplaceFile(writer, m_path, text)) {
        m_writeProblem = errno != 0 ? std::strerror(errno) : "the file system refused to replace it";
        throw EIniFileException(m_path);
    }
    m_changed = false;
}

} // namespace volcalc
