// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an edit of a cell of the parts list makes of its row, and how a row's material compares
// with the catalogue's. No widgets: the delegates and the window's commands call these.

#include "calc/parts_list_row.h"
#include "ui/parts_list/parts_list_model.h"

#include <QString>

#include <vector>

namespace volcalc {
class MaterialCatalogue;
}

namespace volcalc::ui {

// The row with one cell's text put in, evaluated again through the main window's calculation with
// the density and price the row holds (a new material's from the catalogue). Throws
// WrongDataError or another CalculationError with the main window's message for a text it would
// refuse. The parameters read as the list shows them, "a=100; b=1000", the letters optional.
PartsListRow EditedRow(const PartsListRow& row, int column, const QString& text,
                       const MaterialCatalogue& catalogue);

// What the catalogue says of the row's material now; a density set by hand is never marked.
MaterialDifference CompareWithCatalogue(const PartsListRow& row, const MaterialCatalogue& catalogue);

// Every row with its material's density and price as the catalogue has them now; a row whose
// material the catalogue lacks stays as it is.
std::vector<PartsListRow> Repriced(const std::vector<PartsListRow>& rows, const MaterialCatalogue& catalogue);

} // namespace volcalc::ui
