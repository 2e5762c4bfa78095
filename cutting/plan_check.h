// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting_plan.h"

#include <string>

namespace volcalc::cutting {

// What makes the plan wrong for the problem, or an empty text when it is right: every bar is of
// a stock length and holds its cuts with a kerf between each two, its offcut is what is left
// after a kerf behind the last cut (0 when the pieces fill it or less than a kerf is left),
// every piece that fits some stock is cut exactly once and every other one is reported.
std::string CheckPlan(const CuttingProblem& problem, const CuttingPlan& plan);

} // namespace volcalc::cutting
