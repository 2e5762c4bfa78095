// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_catalogue.h"
#include "sections/shipped_tables.h"

#include <string>
#include <string_view>

namespace volcalc::sections {

// Where a table's text came from.
struct TableSource {
    std::string Label;      // the file as messages name it
    std::string FamilyName; // the family when the file names none: the file name without ".csv"
    const ShippedTable* Shipped = nullptr; // a table that came with the program
};

// Reads one CSV table into the catalogue as one family. A user's table may start with lines
// "# family: NAME", "# standard: TEXT" and "# kind: WORD" (KindWord); without a kind its areas are
// the tabulated ones. Every row that cannot be used adds one problem naming the file and the line,
// and the rest still load.
void ReadSectionTable(std::string_view text, const TableSource& source, SectionCatalogue& catalogue);

} // namespace volcalc::sections
