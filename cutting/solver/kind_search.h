// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search for stock on the rack or limited in number: column generation over cutting patterns
// of each stock kind, with a row per limited kind (no more bars than there are), a row per piece
// length, and a costly way out for pieces no bar is left for; then GLPK's branch and bound in
// whole bars over the patterns found, from the first plan (kind_first_fit.h). A bar on the rack
// costs nothing, so the search cuts from the rack first; the relaxation's cost in bought length,
// rounded up once no pattern improves it, is the lower bound. The whole bars are sought by
// bought length and then by number of bars.

#include "kind_first_fit.h"
#include "planned_pieces.h"
#include "search_effort.h"

namespace volcalc::cutting {

struct KindSearchResult {
    KindPlan Plan;
    Units LowerBound = 0; // of the length bought by a plan that covers every piece
};

// `pieces` are those that fit some kind; `first` a plan of them.
KindSearchResult SearchKinds(const PlannedPieces& pieces, std::span<const StockKind> kinds, KindPlan first,
                             SearchEffort& effort);

} // namespace volcalc::cutting
