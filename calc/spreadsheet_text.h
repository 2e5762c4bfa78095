// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace volcalc {

// A text cell as a spreadsheet opens it safely: one that begins as a formula would (=, +, -, @, a
// tab or a carriage return: a material named "=HYPERLINK(...)", a parameter typed "+10") gets a
// leading apostrophe, so that it is shown as text and never run. Quoting does not stop a
// spreadsheet running it. Only text cells go through here: figures, negative ones too, stay numbers.
std::string SpreadsheetText(std::string_view text);
// Whether the text begins as a formula would, so that it needs the apostrophe.
bool StartsLikeAFormula(std::string_view text);

} // namespace volcalc
