// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget_repacking.h"

#include "bar_completion.h"
#include "first_fit.h"

namespace volcalc::cutting {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<Units> CutsOf(const std::vector<OpenBar>& bars) {
    std::vector<Units> pieces;
    for (const OpenBar& bar : bars) {
        pieces.insert(pieces.end(), bar.Cuts.begin(), bar.Cuts.end());
    }
    return pieces;
}

} // namespace

std::vector<OpenBar> RepackBars(const PlannedPieces& pieces, std::vector<OpenBar> bars, std::int64_t bound,
                                Clock::time_point until, bool boundFirst) {
    const std::vector<Units> all = CutsOf(bars);
    std::uint64_t seed = 1;
    auto cheaper = [&](std::int64_t cost, Clock::time_point end) {
        const BarBudget budget{pieces.Stocks, pieces.Kerf, cost * pieces.CostUnit};
        auto found = CompleteBars(all, budget, seed++, end);
        if (found) {
            bars = std::move(*found);
            ShortenBars(bars, pieces.Stocks, pieces.Kerf);
        }
        return found.has_value();
    };
    // The bound first, with half the time: where it is the optimum, that ends the search at once.
    // Then a step cheaper at a time from the plan in hand.
    if (boundFirst && pieces.CostOf(bars) - 1 > bound) {
        cheaper(bound, Clock::now() + (until - Clock::now()) / 2);
    }
    while (pieces.CostOf(bars) > bound && Clock::now() < until && cheaper(pieces.CostOf(bars) - 1, until)) {
    }
    return bars;
}

} // namespace volcalc::cutting
