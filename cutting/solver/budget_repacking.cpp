// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget_repacking.h"

#include "bar_completion.h"
#include "first_fit.h"

namespace volcalc::cutting {

namespace {

std::vector<Units> CutsOf(const std::vector<OpenBar>& bars) {
    std::vector<Units> pieces;
    for (const OpenBar& bar : bars) {
        pieces.insert(pieces.end(), bar.Cuts.begin(), bar.Cuts.end());
    }
    return pieces;
}

} // namespace

std::vector<OpenBar> RepackBars(const PlannedPieces& pieces, std::vector<OpenBar> bars, std::int64_t bound,
                                StepLimit limit, bool boundFirst) {
    const std::vector<Units> all = CutsOf(bars);
    std::uint64_t seed = 1;
    auto cheaper = [&](std::int64_t cost, StepLimit end) {
        const BarBudget budget{pieces.Stocks, pieces.Kerf, cost * pieces.CostUnit};
        auto found = CompleteBars(all, budget, seed++, end);
        if (found) {
            bars = std::move(*found);
            ShortenBars(bars, pieces.Stocks, pieces.Kerf);
        }
        return found.has_value();
    };
    // The bound first, with half the effort: where it is the optimum, that ends the search at once.
    // Then a step cheaper at a time from the plan in hand.
    if (boundFirst && pieces.CostOf(bars) - 1 > bound) {
        cheaper(bound, limit.Part(0.5));
    }
    while (pieces.CostOf(bars) > bound && !limit.Reached() && cheaper(pieces.CostOf(bars) - 1, limit)) {
    }
    return bars;
}

} // namespace volcalc::cutting
