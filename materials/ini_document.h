// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace volcalc {

// The text without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// An INI text held in memory line by line. Lines the program does not understand (comments, other
// sections and keys, stray text) are kept where they stand and written back unchanged; only the
// lines of keys that are written or deleted change. Section and key names are compared without
// regard to ASCII letter case; with duplicates, the first section or key of a name counts.
//
// Catalogues hold a million keys named 0, 1, 2, ...: such keys are found by their number in a
// table rather than by hashing, and the lines read from the file stay in the one text they came in.
class IniDocument {
public:
    // The text must already be UTF-8, without a byte-order mark. CRLF and LF line ends are read
    // alike; the first line end found sets the style written back.
    static IniDocument Parse(std::string_view text);
    // The same, keeping the text itself rather than a copy.
    static IniDocument ParseOwned(std::string text);
    // The same, sharing a text that others hold too.
    static IniDocument ParseShared(std::shared_ptr<const std::string> text);
    std::string Serialize() const;

    bool ByteOrderMark = false;
    std::string LineEnd = "\n";

    // The text after the key's "=", exactly as it stands; nothing when the key is absent.
    std::optional<std::string_view> RawValue(std::string_view section, std::string_view key) const;
    // Creates the section (at the end) and the key (at the end of its section) as needed.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; the section header stays. An absent key is no error.
    void DeleteKey(std::string_view section, std::string_view key);
    // Takes out entry `removed` of a section keyed 0 to count-1: every line of that key goes
    // (shadowed duplicates too), and the keys above it up to `count` are named one lower. Each
    // line stays where it stands with its value and line end as written, so every other entry
    // reads as before, one place lower, and a missing key stays missing.
    void RemoveIndexedKey(std::string_view section, std::uint64_t removed, std::uint64_t count);

    // RawValue of the keys "0" to count-1 of the section, in that order, in one pass.
    void VisitIndexed(
        std::string_view section, std::size_t count,
        const std::function<void(std::size_t index, std::optional<std::string_view> raw)>& visit) const;
    // The lowest key of the section at or above `from` that is written as a decimal index (digits
    // only, no leading zero); other spellings ("007", "+7") are other keys.
    std::optional<std::uint64_t> LowestIndexKeyFrom(std::string_view section, std::uint64_t from) const;

private:
    // Names are compared without regard to ASCII letter case, with no folded copies made.
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::uint32_t, FoldedHash, FoldedEqual>;

    static constexpr std::uint32_t NotAKey = 0;
    static constexpr std::uint32_t Deleted = UINT32_MAX;
    static constexpr std::uint32_t NoLine = UINT32_MAX;

    // How a line ends: as the document's lines do, or as the file ended it otherwise (a line of
    // LF among CRLF lines, "\r\r\n", the last line without an end), which a line written again keeps.
    enum class Ending : std::uint8_t { Document, Lf, CrLf, None };

    struct Line {
        // In the parsed text, or in m_owned for a line written since.
        std::size_t Start;
        std::uint32_t Length;
        // Offset of the value in the text, just past the "="; NotAKey for any other line.
        std::uint32_t ValueStart;
        bool Owned;
        Ending End = Ending::Document;
    };

    struct Section {
        std::string Header; // the raw header line; the part before the first header has none
        std::string Name;
        std::vector<Line> Lines;
        std::vector<Line> TrailingBlanks;    // kept apart so that new keys go before them
        std::vector<std::uint32_t> Numbered; // decimal index -> position in Lines, or NoLine
        NameIndex Keys;                      // every other key: folded name -> position in Lines
        Ending HeaderEnd = Ending::Document;
    };

    std::string_view Text(const Line& line) const;
    void AddLine(std::size_t start, std::size_t length);
    bool AddNextIndexedLine(std::size_t start, std::string_view text);
    void StartSection(std::string_view headerLine, std::string_view name);
    void SetAsideTrailingBlanks();
    // Position in m_sections, or 0 (the part before the first header) when there is no such section.
    std::size_t FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    // Position of the key's line in the section, or NoLine when absent.
    static std::uint32_t FindKey(const Section& section, std::string_view key);
    static void IndexKey(Section& section, std::string_view key, std::uint32_t position);
    static std::uint32_t FindKey(const Section& section, std::string_view key,
                                 std::optional<std::uint64_t> index);
    // A line "key=value" added to the written lines.
    Line OwnedLine(std::string_view key, std::string_view value);
    // The ending a line has in the file: its own for a parsed line, the one it keeps for a written one.
    Ending EndingOf(const Line& line) const;
    // The line with its key, a decimal index, named `index` instead; blanks and value as they stand.
    Line RenamedLine(const Line& line, std::string_view key, std::uint64_t index);
    // Indexes the keys of the section again from its lines, the first of a name counting.
    void Reindex(Section& section) const;

    std::shared_ptr<const std::string> m_parsed = std::make_shared<const std::string>();
    std::string m_owned; // lines written since, one after another; a line written again is added anew
    std::vector<Section> m_sections{1}; // [0] holds the lines before the first header
    NameIndex m_sectionIndex;
    mutable std::size_t m_lastSection = 0; // the section found last, tried first
};

} // namespace volcalc
