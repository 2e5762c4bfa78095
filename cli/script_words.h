// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cli {

// Splits a script line into words separated by blanks or tabs. A word holding blanks is written
// in double quotes; the quotes are not part of it. Returns an error text for an unclosed quote,
// else an empty text. The words point into the line.
std::string SplitWords(std::string_view line, std::vector<std::string_view>& words);

// True for blank lines and lines whose first non-blank character is "#".
bool IsIgnoredLine(std::string_view line);

} // namespace volcalc::cli
