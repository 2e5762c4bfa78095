// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parts_list_row.h"

namespace volcalc {

// A row computed again from what was typed and chosen for it: its group, shape (or a section's
// entry), length unit, quantity and parameter texts, with the material, density and price per
// kilogram it holds, not the catalogue's of today. Its figures come through the ledger's one
// calculation, so a row saved and read again shows the same figures. The line, mark and note are
// kept.
//
// Throws as the main window's calculation does, with its messages: WrongDataError for an empty
// text, a number of texts that is not the shape's, a quantity beyond the quantity field's, or values that
// describe no solid; ParameterTextError (a CalculationError) for a text that is not a number.
PartsListRow EvaluateAgain(const PartsListRow& typed);

} // namespace volcalc
