// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace volcalc::ui {

// A column's width as its contents ask for it, and the least it may be narrowed to; a column
// that must show its contents whole (a figure) has both the same.
struct ColumnNeed {
    double Natural = 0;
    double Least = 0;
};

// Widths that fit the columns into `available`: their natural widths where these fit, or else
// narrowed where they may, the widest first. Never below the least widths, so their sum can then
// exceed `available`.
std::vector<double> FitColumnWidths(const std::vector<ColumnNeed>& columns, double available);

} // namespace volcalc::ui
