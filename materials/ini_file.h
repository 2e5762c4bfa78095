// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/errors.h"
#include "materials/ini_document.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace volcalc {

class FileWriter;

// A write that the file system refused: "Unable to write to %s" with the file's path.
class EIniFileException : public CalculationError {
public:
    explicit EIniFileException(const std::filesystem::path& path);
};

// Access to an INI file for the length of one operation. The file is read once, when the object
// is made (an absent file reads as empty, and so does one that cannot be read, with the reason
// kept); reads and writes then work on the text in memory, and UpdateFile puts every change on the
// disk at once.
class IniFile {
public:
    // Values are cut to this many characters when read.
    static constexpr std::size_t MaxValueLength = 2047;
    // Only regular files up to this size are read: enough for several million materials, and a
    // file given by mistake (a disk image, /dev/zero) is refused before it fills the memory.
    static constexpr std::uint64_t MaxFileSize = 512ull << 20;

    // Without a writer, UpdateFile writes through the real file system. The text is read from
    // `source` when one is given, and written to `path`.
    explicit IniFile(std::filesystem::path path, FileWriter* writer = nullptr,
                     std::filesystem::path source = {});

    const std::filesystem::path& FileName() const { return m_path; }
    // Why the file could not be read ("Permission denied", "not a regular file", ...); empty when it
    // was read or is absent. A file that could not be read is never written.
    const std::string& ReadProblem() const { return m_readProblem; }
    // The text as read, in UTF-8 without a byte-order mark, or as ReplaceText last gave it.
    const std::string& Text() const { return *m_text; }
    // The same text, shared.
    std::shared_ptr<const std::string> SharedText() const { return m_text; }
    // The text taken apart into sections and keys, which happens on first use: a reader that
    // understands the text by itself is spared it.
    const IniDocument& Document() const;

    // The value without the blanks around it and without one pair of enclosing single or double
    // quotes, at most MaxValueLength characters; the default when the key is absent, empty text
    // when it is present with nothing after "=".
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value read as a signed 32-bit integer (decimal, or hexadecimal as a 32-bit pattern);
    // the default for an absent key and for any text that is not such an integer.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // The raw text of the keys "0" to count-1 (see IniDocument::RawValue), in order, in one pass.
    void ReadIndexed(
        std::string_view section, std::size_t count,
        const std::function<void(std::size_t index, std::optional<std::string_view> raw)>& visit) const;
    // A raw text by the reading rules of ReadString.
    static std::string_view ValueByRules(std::string_view raw);

    // Creates the section and the key as needed; the text is written unchanged.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Removing an absent key is no error; the section header stays.
    void DeleteKey(std::string_view section, std::string_view key);
    // See IniDocument::RemoveIndexedKey.
    void RemoveIndexedKey(std::string_view section, std::uint64_t removed, std::uint64_t count);
    // The whole text at once (UTF-8, without a byte-order mark), for a change made to the text itself.
    void ReplaceText(std::string text);

    // Replaces the file with the text in memory, all of it or none, when anything was written.
    // Throws EIniFileException, with the file as it was, when the file system refuses.
    void UpdateFile();
    // Why the file system refused the last UpdateFile, as the system words it.
    const std::string& WriteProblem() const { return m_writeProblem; }

private:
    // The value by the reading rules, or nothing for an absent key.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    IniDocument& DocumentForWriting();

    std::filesystem::path m_path;
    FileWriter* m_writer;
    std::shared_ptr<const std::string> m_text = std::make_shared<const std::string>();
    bool m_byteOrderMark = false;
    mutable std::optional<IniDocument> m_document;
    std::string m_readProblem;
    std::string m_writeProblem;
    bool m_windows1252 = false; // written back in the code page it was read in, where it fits
    bool m_changed = false;
};

} // namespace volcalc
