// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/spreadsheet_text.h"

namespace volcalc {

bool StartsLikeAFormula(std::string_view text) {
    constexpr std::string_view FormulaStarts = "=+-@\t\r";
    return !text.empty() && FormulaStarts.find(text.front()) != std::string_view::npos;
}

std::string SpreadsheetText(std::string_view text) {
    return StartsLikeAFormula(text) ? "'" + std::string(text) : std::string(text);
}

} // namespace volcalc
