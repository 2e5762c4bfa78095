// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A first plan for stock of several kinds, some on the rack, some limited in number: the plan at
// once that every other plan of such a problem must beat, and the one kept when nothing does.

#include "cutting/cutting_plan.h"
#include "open_bar.h"

#include <span>
#include <vector>

namespace volcalc::cutting {

// A bar of the plan as it is built, with the problem's stock kind it is cut from.
struct KindBar {
    std::size_t Kind = 0;
    OpenBar Bar;
};

struct KindPlan {
    std::vector<KindBar> Bars;
    std::vector<Units> Uncovered; // one entry per piece no kind left takes
};

// Best fit decreasing: each piece, longest first, goes into the open bar it leaves least room in;
// else it opens the shortest bar on hand that takes it, else the longest that may still be
// bought. Each bought bar is then cut from the shortest kind still to be had that takes it.
KindPlan FillKindsFirstFit(std::span<const StockKind> kinds, Units kerf, std::vector<Units> pieces);

// What the plan buys, in length.
Units BoughtLength(std::span<const StockKind> kinds, const KindPlan& plan);

} // namespace volcalc::cutting
