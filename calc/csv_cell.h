// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace volcalc {

// A text cell of a CSV file (RFC 4180): always quoted, quotes doubled, so that commas, quotes and
// line breaks stay inside it, and guarded as SpreadsheetText guards it, so that a spreadsheet
// never runs it as a formula. Figures are written as they are, without this, so that they stay
// numbers.
std::string CsvCell(std::string_view text);

} // namespace volcalc
