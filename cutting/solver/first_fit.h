// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plans made bar by bar: first fit decreasing gives the search its first plans at once and places
// the pieces a plan from patterns still misses; each bar is then cut from the shortest stock that
// takes it.

#include "open_bar.h"

#include <span>
#include <vector>

namespace volcalc::cutting {

// First fit decreasing: each piece, longest first, goes into the first open bar it fits, or
// opens a bar of `preferred` length, or of the shortest stock that takes it when longer.
// `stocks` ascending; every piece fits the longest.
void FillFirstFit(std::vector<OpenBar>& bars, std::vector<Units> pieces, std::span<const Units> stocks,
                  Units kerf, Units preferred);

// Moves each bar to the shortest stock (ascending) that still takes its pieces.
void ShortenBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf);

} // namespace volcalc::cutting
