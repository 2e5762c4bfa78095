// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_family.h"

#include <span>
#include <string_view>

namespace volcalc::sections {

// A table that comes with the program: its file name in the data folder's sections folder and the
// family it holds. The files keep the columns of the published compilations, so their family is
// known by name rather than written in them.
struct ShippedTable {
    std::string_view File;
    std::string_view Family;
    std::string_view Standard;
    SectionKind Kind;
};

// In the order the families are offered.
std::span<const ShippedTable> ShippedTables();
const ShippedTable* FindShippedTable(std::string_view fileName);

// Shipped sizes whose published area no rule of their kind reaches within the table's accuracy
// (docs/sections.md says why); their area is the tabulated one.
bool UsesTabulatedArea(std::string_view designation);
std::span<const std::string_view> TabulatedAreaSizes();

// Shipped sizes whose tabulated perimeter is not credible (docs/sections.md says why); their
// perimeter is that of the outline of their dimensions.
bool UsesOutlinePerimeter(std::string_view designation);
std::span<const std::string_view> OutlinePerimeterSizes();

} // namespace volcalc::sections
