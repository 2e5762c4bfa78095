// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace volcalc::cli {

// Splits a script line into words separated by blanks or tabs. A word holding blanks is written
// in double quotes; the quotes are not part of it. Throws LineError for an unclosed quote. The
// words point into the line.
void SplitWords(std::string_view line, std::vector<std::string_view>& words);

// True for blank lines and lines whose first non-blank character is "#".
bool IsIgnoredLine(std::string_view line);

} // namespace volcalc::cli
