// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The patterns a plan's bars are cut by, found without writing one out per bar: a plan of a
// million bars of thousands of lengths repeats few patterns, and a pattern spells out a count for
// every length.

#include "open_bar.h"
#include "pattern_master.h"
#include "planned_pieces.h"

#include <cstdint>
#include <vector>

namespace volcalc::cutting {

struct UsedPattern {
    Pattern Cut;
    std::int64_t Bars = 0; // of the plan cut by it
};

// The distinct patterns of the bars, in the order the plan first uses them; when there are more
// than `most`, the `most` that cut the most bars (the first used among equals).
std::vector<UsedPattern> PatternsOfPlan(const PlannedPieces& pieces, const std::vector<OpenBar>& bars,
                                        std::size_t most);

} // namespace volcalc::cutting
