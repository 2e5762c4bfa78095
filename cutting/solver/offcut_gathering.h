// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Among plans that buy the same length in as many bars, the one whose offcuts are fewer and
// longer: one offcut of 1.2 m can be kept and used again, two of 0.6 m seldom.

#include "cutting/cutting_plan.h"

#include <vector>

namespace volcalc::cutting {

// Moves pieces from bars with long offcuts into bars with short ones where they fit, each move
// making the sum of the offcuts' squares larger, so that the waste gathers into fewer, longer
// offcuts; a bar left without pieces is dropped. Bars keep their stock kinds. Plans of many bars
// are left as they are, the moves being tried between every two bars.
void GatherOffcuts(std::vector<Bar>& bars, Units kerf);

} // namespace volcalc::cutting
