// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/catalogue_entries.h"
#include "materials/catalogue_prices.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

namespace plain {
class LineReader;
}

// A catalogue laid out as this program writes one: "[Count]" holding only "Count=N", then
// "[Material]" and "[Density]", each holding only the keys 0 to N-1 in counting order, then, where
// the materials have prices, "[Price]" holding keys below N, each once, and "[Currency]"
// holding only "Currency", in either order; every line ended alike, nothing else but lines before
// the first section (a comment on top). Nearly every
// catalogue is such a file, and it is read and changed here in one pass over its text instead of
// being taken apart into sections and keys. Any other file (comments or blank lines among the
// entries, other keys or sections, keys out of order or spelled otherwise, a last line without its
// end) is left to the general reading, which gives the same list and, for a change, the same text.
class PlainCatalogue {
public:
    // What the text is read for: a change needs to know where every entry's line starts.
    enum class Use { List, Change };

    // Nothing when the text is laid out otherwise. The list's names are parts of the text.
    static std::optional<PlainCatalogue> Read(std::shared_ptr<const std::string> text, Use use = Use::List);

    // The list, prices included, and the currency as the general reading gives them.
    MaterialList List;
    std::string Currency;

    // Whether every entry reads back as itself once written (no quotes or blanks around a name, no
    // density spelled otherwise), which the changes below take for granted.
    bool Changeable() const { return m_changeable; }
    // The text with a material appended; the name is one line.
    std::string Appended(MaterialView material) const;
    // The text without entry `position`, the entries above it moved down; for a text read for a change.
    std::string Removed(std::size_t position) const;

private:
    PlainCatalogue() = default;
    // The steps of reading, each false where the text is laid out otherwise.
    bool ReadCount(plain::LineReader& lines);
    bool ReadNames(plain::LineReader& lines, bool forChange);
    bool ReadDensities(plain::LineReader& lines, bool forChange);
    bool ReadPriceSections(plain::LineReader& lines, bool forChange);
    bool ReadPrices(plain::LineReader& lines, bool forChange);
    // Copies the price lines, leaving out the line of `removed` and numbering those after it one lower.
    void CopyPricesWithout(std::string& out, std::size_t removed) const;
    // Copies a section's entry lines, whose starts are given (and the section's end after them),
    // leaving out the line of `removed` and numbering those after it one lower.
    void CopyEntriesWithout(std::string& out, const std::vector<std::uint32_t>& lines,
                            std::size_t removed) const;

    std::shared_ptr<const std::string> m_source;
    std::string_view m_text;
    std::string_view m_lineEnd;
    std::size_t m_count = 0;
    bool m_changeable = true;
    std::size_t m_countValue = 0;    // where the value of "Count" starts
    std::size_t m_countLineEnd = 0;  // where the line of "Count" ends
    std::size_t m_names = 0;         // where the first entry of "[Material]" starts
    std::size_t m_densityHeader = 0; // where the line "[Density]" starts
    std::size_t m_densities = 0;     // where the first entry of "[Density]" starts
    std::size_t m_densityEnd = 0;    // where the section after "[Density]" starts, or the text ends
    // Read for a change: where each entry's line starts in each section, and where the section ends
    // (the text stays below 4 GB, see MaterialList).
    std::vector<std::uint32_t> m_nameLines;
    std::vector<std::uint32_t> m_densityLines;
    std::vector<std::uint32_t> m_priceLines; // empty without "[Price]"
    std::vector<std::uint32_t> m_priceKeys;  // the key of each price line
};

} // namespace volcalc
