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

// The bars to cut and how, by the rule of CuttingProblem: the rack first, then the least length
// bought, then the fewest bars, then the longest offcuts (solver/plan_search.h lists the stages
// of the search, docs/cutting.md says why). Pieces longer than every stock are reported in
// Oversized, those the rack and the limits leave no bar for in Uncovered, and the rest planned.
// Every stop of the search is a budget of steps, so the same problem gets the same plan on every
// run; a clock far beyond those budgets guards against a machine too slow for them, and marks the
// plan StoppedEarly when it ends the search. `control`, when given, sees the progress and may
// cancel.
//
// Throws std::invalid_argument when there is no stock kind, a stock or piece length is not
// positive, the kerf, a limit or a count is negative; SolverError when the solver stops on an
// internal error.
CuttingPlan PlanCuts(const CuttingProblem& problem, PlanControl* control = nullptr);

} // namespace volcalc::cutting
