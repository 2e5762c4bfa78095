#pragma once

#include <cstddef>
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
class IniDocument {
public:
    // The text must already be UTF-8, without a byte-order mark. CRLF and LF line ends are read
    // alike; the first line end found sets the style written back.
    static IniDocument Parse(std::string_view text);
    std::string Serialize() const;

    bool ByteOrderMark = false;
    std::string LineEnd = "\n";

    // The text after the key's "=", exactly as it stands; nothing when the key is absent.
    std::optional<std::string_view> RawValue(std::string_view section, std::string_view key) const;
    // Creates the section (at the end) and the key (at the end of its section) as needed.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; the section header stays. An absent key is no error.
    void DeleteKey(std::string_view section, std::string_view key);

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
    using NameIndex = std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual>;

    struct Line {
        std::string Text;
        // Offset of the value in Text, just past the "="; NotAKey for any other line.
        std::size_t ValueStart;
    };
    static constexpr std::size_t NotAKey = 0;
    static constexpr std::size_t Deleted = static_cast<std::size_t>(-1);

    struct Section {
        std::string Header; // the raw header line; the part before the first header has none
        std::vector<Line> Lines;
        std::vector<std::string> TrailingBlanks; // kept apart so that new keys go before them
        NameIndex Keys;                          // folded key name -> position in Lines
    };

    void AddLine(std::string_view text);
    void StartSection(std::string_view headerLine, std::string_view name);
    void SetAsideTrailingBlanks();
    // Position in m_sections, or 0 (the part before the first header) when there is no such section.
    std::size_t FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    // Position of the key's line in the section, or Deleted when absent.
    static std::size_t FindKey(const Section& section, std::string_view key);
    static void IndexKey(Section& section, std::string_view key, std::size_t position);

    std::vector<Section> m_sections{1}; // [0] holds the lines before the first header
    NameIndex m_sectionIndex;
};

} // namespace volcalc
