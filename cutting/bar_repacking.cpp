// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_repacking.h"

#include "bar_completion.h"

#include <algorithm>
#include <optional>

namespace volcalc::cutting {

namespace {

using Clock = std::chrono::steady_clock;

struct TargetBar {
    Units Stock = 0;
    Units Load = 0; // what the plan in hand cuts from it: the emptiest goes first
};

// The stock lengths of plans each one step cheaper than the one before, down to the bound: a step
// takes a bar away, or cuts it from the next shorter stock, whichever saves least (taking away
// when equal, which keeps the longer bars that hold more ways of cutting), the emptiest bar
// first, while the bars left still have room for every piece.
std::vector<std::vector<Units>> CheaperTargets(const PlannedPieces& pieces, const std::vector<OpenBar>& plan,
                                               std::int64_t bound) {
    std::vector<TargetBar> bars;
    Units load = 0;
    Units capacity = 0;
    for (const OpenBar& bar : plan) {
        bars.push_back({bar.Stock, bar.Load});
        load += bar.Load;
        capacity += bar.Stock + pieces.Kerf;
    }
    std::stable_sort(bars.begin(), bars.end(), [](const TargetBar& a, const TargetBar& b) { return a.Load < b.Load; });
    std::vector<std::vector<Units>> targets;
    std::int64_t cost = pieces.CostOf(plan);
    for (;;) {
        std::optional<std::pair<TargetBar*, Units>> step; // the bar and its new stock, 0 to take it away
        Units saved = 0;
        for (TargetBar& bar : bars) {
            const auto shorter = std::lower_bound(pieces.Stocks.begin(), pieces.Stocks.end(), bar.Stock);
            for (Units stock : {Units{0}, shorter == pieces.Stocks.begin() ? Units{0} : *std::prev(shorter)}) {
                const Units lost = bar.Stock - stock + (stock == 0 ? pieces.Kerf : 0);
                if (capacity - lost < load || cost - pieces.CostOf(bar.Stock - stock) < bound) {
                    continue;
                }
                if (!step || bar.Stock - stock < saved) {
                    step = {&bar, stock};
                    saved = bar.Stock - stock;
                }
            }
        }
        if (!step) {
            return targets;
        }
        capacity -= saved + (step->second == 0 ? pieces.Kerf : 0);
        cost -= pieces.CostOf(saved);
        step->first->Stock = step->second;
        std::erase_if(bars, [](const TargetBar& b) { return b.Stock == 0; });
        std::vector<Units> stocks;
        for (const TargetBar& b : bars) {
            stocks.push_back(b.Stock);
        }
        targets.push_back(std::move(stocks));
    }
}

std::vector<Units> PiecesOf(const std::vector<OpenBar>& bars) {
    std::vector<Units> pieces;
    for (const OpenBar& bar : bars) {
        pieces.insert(pieces.end(), bar.Cuts.begin(), bar.Cuts.end());
    }
    return pieces;
}

} // namespace

std::vector<OpenBar> RepackBars(const PlannedPieces& pieces, std::vector<OpenBar> bars, std::int64_t bound,
                                Clock::time_point until) {
    const std::vector<Units> all = PiecesOf(bars);
    std::uint64_t seed = 1;
    auto adopt = [&](std::optional<std::vector<OpenBar>> found) {
        if (found) {
            bars = std::move(*found);
            ShortenBars(bars, pieces.Stocks, pieces.Kerf);
        }
        return found.has_value();
    };
    // The cheapest plan first, with half the time: where the bound is the optimum, that ends the
    // search at once. Then a step at a time from the plan in hand.
    std::vector<std::vector<Units>> targets = CheaperTargets(pieces, bars, bound);
    if (targets.size() > 1) {
        const Clock::time_point half = Clock::now() + (until - Clock::now()) / 2;
        if (adopt(CompleteBars(all, targets.back(), pieces.Kerf, seed++, half))) {
            targets = CheaperTargets(pieces, bars, bound);
        }
    }
    while (!targets.empty() && Clock::now() < until &&
           adopt(CompleteBars(all, targets.front(), pieces.Kerf, seed++, until))) {
        targets = CheaperTargets(pieces, bars, bound);
    }
    return bars;
}

} // namespace volcalc::cutting
