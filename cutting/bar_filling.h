// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plans made bar by bar: the quick first answer, the pieces a plan still misses, and each bar
// cut from the shortest stock that takes it.

#include "cutting_plan.h"

#include <vector>

namespace volcalc::cutting {

// A bar being filled. Load is the pieces and a kerf behind each, so a piece fits while
// Load + length <= Stock (the kerf behind the last piece may fall outside the bar).
struct OpenBar {
    Units Stock = 0;
    Units Load = 0;
    std::vector<Units> Cuts;
};

// First fit decreasing: each piece, longest first, goes into the first open bar it fits, or
// opens a bar of `preferred` length, or of the shortest stock that takes it when longer.
// `stocks` ascending; every piece fits the longest.
void FillFirstFit(std::vector<OpenBar>& bars, std::vector<Units> pieces, std::span<const Units> stocks,
                  Units kerf, Units preferred);

// Moves each bar to the shortest stock (ascending) that still takes its pieces.
void ShortenBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf);

Units StockLength(const std::vector<OpenBar>& bars);

// The finished bars, longest stock first and each bar's cuts longest first, with offcuts.
std::vector<Bar> FinishBars(std::vector<OpenBar> bars, Units kerf);

} // namespace volcalc::cutting
