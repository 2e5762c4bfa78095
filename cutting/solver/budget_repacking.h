// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A cheaper plan than the one in hand, by bar completion (bar_completion.h) within budgets of
// stock length: the bound first, then one cost unit below the plan in hand at a time. This finds
// the perfectly filled bars that orders of many different lengths need, where rounding the
// pattern relaxation leaves one bar too many.

#include "planned_pieces.h"

#include "search_effort.h"

namespace volcalc::cutting {

// The cheapest plan seen, `bars` itself when none is cheaper; stops once a plan costs `bound`
// (in cost units) or at the limit. With `boundFirst`, a plan at the bound is sought first, with
// half the effort.
std::vector<OpenBar> RepackBars(const PlannedPieces& pieces, std::vector<OpenBar> bars, std::int64_t bound,
                                StepLimit limit, bool boundFirst);

} // namespace volcalc::cutting
