// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace volcalc::sections {

// A row that cannot be used; the message says why, the reader adds the file and the line.
struct RowProblem {
    std::string Message;
};

// A text of the file as a message quotes it: on one line, control characters written as \xHH,
// and at most 60 characters, cut with "...".
std::string Shown(std::string_view text);

// A length in millimetres or an area, 0 or more; empty gives `absent` where that is allowed, and 0
// only where an absent value would be allowed. Throws RowProblem naming the column.
double Number(const std::string& text, std::string_view column, std::optional<double> absent = std::nullopt);

} // namespace volcalc::sections
