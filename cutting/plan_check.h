// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting_plan.h"

#include <string>

namespace volcalc::cutting {

// What makes the plan wrong for the problem, or an empty text when it is right: every bar is of
// one of the problem's stock kinds, on hand exactly when that kind is, and holds its cuts with a
// kerf between each two; its offcut is what is left after a kerf behind the last cut (0 when the
// pieces fill it or less than a kerf is left); no kind is cut more often than its limit; every
// piece that fits some stock is cut exactly once or reported as uncovered, every other one is
// reported as oversized; the lower bound is no more than what the plan buys, and equal to it when
// the plan says it is proved optimal.
std::string CheckPlan(const CuttingProblem& problem, const CuttingPlan& plan);

} // namespace volcalc::cutting
