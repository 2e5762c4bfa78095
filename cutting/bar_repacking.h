// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An improvement of a plan in hand by local search: one bar is taken away (or, when it is not of
// the shortest stock, cut from the next shorter one instead), its pieces are left over, and a tabu
// search swaps one or two pieces of a bar for one or two left-over pieces that are heavier and
// still fit, until no piece is left over. Then again from the cheaper plan. This finds the
// perfectly filled bars that orders of many different lengths need, where rounding the pattern
// relaxation leaves one bar too many.

#include "planned_pieces.h"

#include <chrono>

namespace volcalc::cutting {

// The cheapest plan seen, `bars` itself when none is cheaper; stops once a plan costs `bound`
// (in cost units) or at `until`. With `boundFirst`, a plan at the bound is sought first, with half
// the time.
std::vector<OpenBar> RepackBars(const PlannedPieces& pieces, std::vector<OpenBar> bars, std::int64_t bound,
                                std::chrono::steady_clock::time_point until, bool boundFirst);

} // namespace volcalc::cutting
