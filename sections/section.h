// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_area.h"

#include <cstddef>
#include <optional>
#include <string>

namespace volcalc::sections {

// Longer designations in a table are refused: far beyond any real one, and every line and list
// that shows a designation must stay readable.
constexpr std::size_t LongestDesignation = 60; // characters

// One named size of a family, as its table row gives it.
struct Section {
    std::string Designation; // as the table writes it: "IPE 200"
    std::size_t Family = 0;  // index in SectionCatalogue::Families()
    SectionDimensions Size;
    double TabulatedArea = 0; // mm², the table's area_cm2; 0 where the row gives none
    double Area = 0;          // mm², by the family's rule, or the tabulated one where AreaFromTable
    bool AreaFromTable = false;
    std::optional<double> Perimeter{}; // mm, the outline by the family's rule; none where it has none
    // The same size in the other system of units where its table gives one ("W200X46.1" for
    // "W8X31"); it names the section as well, unless another section's own designation is the same.
    std::string MetricDesignation;
};

} // namespace volcalc::sections
