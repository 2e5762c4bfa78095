#include "materials/ini_file.h"

#include "calc/number_text.h"
#include "materials/file_writer.h"
#include "materials/text_encoding.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volcalc {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

enum class ReadResult { Read, Absent, Unreadable };

ReadResult ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Absent : ReadResult::Unreadable;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && status.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            return ReadResult::Unreadable;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return ReadResult::Read;
}

IniDocument DecodeDocument(std::string bytes) {
    const bool bom = bytes.starts_with(Utf8Bom);
    if (bom) {
        bytes.erase(0, Utf8Bom.size());
    }
    IniDocument document = IniDocument::Parse(TextAsUtf8(std::move(bytes)));
    document.ByteOrderMark = bom;
    return document;
}

std::string_view WithoutQuotes(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

EIniFileException::EIniFileException(const std::filesystem::path& path)
    : ECalcError("Unable to write to " + path.string()) {}

IniFile::IniFile(std::filesystem::path path, FileWriter* writer) : m_path(std::move(path)), m_writer(writer) {
    std::string bytes;
    switch (ReadWholeFile(m_path, bytes)) {
    case ReadResult::Read:
        m_document = DecodeDocument(std::move(bytes));
        break;
    case ReadResult::Absent:
        break;
    case ReadResult::Unreadable:
        m_unreadable = true;
        break;
    }
}

std::optional<std::string_view> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto raw = m_document.RawValue(section, key);
    if (!raw) {
        return std::nullopt;
    }
    return Utf8Prefix(WithoutQuotes(TrimBlanks(*raw)), MaxValueLength);
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
    m_document.SetValue(section, key, value);
    m_changed = true;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, IntegerText(value));
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    m_document.DeleteKey(section, key);
    m_changed = true;
}

void IniFile::UpdateFile() {
    if (!m_changed) {
        return;
    }
    PosixFileWriter system;
    FileWriter& writer = m_writer != nullptr ? *m_writer : system;
    if (m_unreadable || !ReplaceFile(writer, m_path, m_document.Serialize())) {
        throw EIniFileException(m_path);
    }
    m_changed = false;
}

} // namespace volcalc
