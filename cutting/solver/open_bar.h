// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bar as the search builds it, and the bars it hands back as the plan's.

#include "cutting/cutting_plan.h"

#include <vector>

namespace volcalc::cutting {

// A bar being filled. Load is the pieces and a kerf behind each, so a piece fits while
// Load + length <= Stock (the kerf behind the last piece may fall outside the bar).
struct OpenBar {
    Units Stock = 0;
    Units Load = 0;
    std::vector<Units> Cuts;
};

Units StockLength(const std::vector<OpenBar>& bars);

// The finished bars, longest stock first and each bar's cuts longest first, with offcuts.
std::vector<Bar> FinishBars(std::vector<OpenBar> bars, Units kerf);

} // namespace volcalc::cutting
