// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/csv_cell.h"

#include "calc/spreadsheet_text.h"

namespace volcalc {

std::string CsvCell(std::string_view text) {
    std::string cell = StartsLikeAFormula(text) ? "\"'" : "\"";
    for (char c : text) {
        cell += c;
        if (c == '"') {
            cell += '"';
        }
    }
    return cell + '"';
}

} // namespace volcalc
