// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/column_fit.h"

#include <algorithm>

namespace volcalc::ui {
namespace {

double Capped(const ColumnNeed& column, double cap) {
    return std::clamp(cap, column.Least, std::max(column.Least, column.Natural));
}

double SumCapped(const std::vector<ColumnNeed>& columns, double cap) {
    double sum = 0;
    for (const ColumnNeed& column : columns) {
        sum += Capped(column, cap);
    }
    return sum;
}

} // namespace

// The widest columns give way first: every column is capped at one width, the largest at which
// they all fit, so that a short text keeps its column whole while a long one is cut.
std::vector<double> FitColumnWidths(const std::vector<ColumnNeed>& columns, double available) {
    double widest = 0;
    for (const ColumnNeed& column : columns) {
        widest = std::max(widest, column.Natural);
    }
    double low = 0;
    double high = widest;
    if (SumCapped(columns, high) > available) {
        for (int step = 0; step < 60; ++step) {
            const double middle = (low + high) / 2;
            (SumCapped(columns, middle) > available ? high : low) = middle;
        }
    } else {
        low = high;
    }
    std::vector<double> widths;
    widths.reserve(columns.size());
    for (const ColumnNeed& column : columns) {
        widths.push_back(Capped(column, low));
    }
    return widths;
}

} // namespace volcalc::ui
