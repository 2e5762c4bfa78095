// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting_plan.h"

namespace volcalc::cutting {

// The bars to buy and how to cut them, buying the least total length the search finds: column
// generation over cutting patterns gives a lower bound and the patterns, a search in whole bars
// over those patterns gives the plan (see docs/cutting.md). Pieces longer than every stock are
// reported in Oversized and the rest planned. Returns well within a second.
//
// Throws std::invalid_argument when there is no stock length, a stock or piece length is not
// positive, the kerf or a count is negative; SolverError when the solver stops on an internal
// error.
CuttingPlan PlanCuts(const CuttingProblem& problem);

} // namespace volcalc::cutting
