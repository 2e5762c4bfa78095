// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/parts_list_row.h"
#include "sections/section_shapes.h"

#include <istream>
#include <string>
#include <vector>

namespace volcalc {
class MaterialCatalogue;
}

namespace volcalc::ui {

// The rows of a list in the command line's --input-csv format, each calculated as the command line
// calculates it: a row's material from the catalogue, "density N" set by hand, an empty material
// the one before it (at first `inForce`, the main window's). A row that is refused adds nothing and
// leaves its message as the command line words it ("line 3, column p1: ...").
struct CsvImport {
    std::vector<PartsListRow> Rows;
    std::vector<std::string> Refusals;
};
CsvImport ImportCsvList(std::istream& in, sections::SectionShapes* sections,
                        const MaterialCatalogue& catalogue, DensityInForce inForce);

} // namespace volcalc::ui
