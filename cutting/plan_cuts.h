// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Planning one profile's bars: PlanCuts is the way in to the search of solver/, whose headers no
// front end includes.

#include "cutting_plan.h"

#include <stdexcept>

namespace volcalc::cutting {

// The solver stopped on an internal error: this one plan is refused, the program goes on.
struct SolverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The bars to buy and how to cut them, buying the least total length the search finds: first fit
// gives a plan at once, bar completion within budgets of stock length and column generation over
// cutting patterns give cheaper ones and a lower bound (solver/plan_search.h lists the stages in
// the order they run, docs/cutting.md says why). Pieces longer than every stock are reported in
// Oversized and the rest planned. Returns well within a second.
//
// Throws std::invalid_argument when there is no stock length, a stock or piece length is not
// positive, the kerf or a count is negative; SolverError when the solver stops on an internal
// error.
CuttingPlan PlanCuts(const CuttingProblem& problem);

} // namespace volcalc::cutting
