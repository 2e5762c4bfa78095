// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting_plan.h"

#include <algorithm>
#include <numeric>

namespace volcalc::cutting {

namespace {

// The bar's length taken by the pieces and a kerf behind each.
Units TakenWithKerfs(std::span<const Units> cuts, Units kerf) {
    return std::accumulate(cuts.begin(), cuts.end(), Units{0}) + static_cast<Units>(cuts.size()) * kerf;
}

} // namespace

std::vector<StockKind> BuyableStocks(std::span<const Units> lengths) {
    std::vector<StockKind> kinds;
    for (Units length : lengths) {
        kinds.push_back({length, std::nullopt, false});
    }
    return kinds;
}

bool FitsBar(std::span<const Units> cuts, Units kerf, Units stock) {
    return cuts.empty() || TakenWithKerfs(cuts, kerf) <= stock + kerf;
}

Units OffcutOf(std::span<const Units> cuts, Units kerf, Units stock) {
    return std::max(Units{0}, stock - TakenWithKerfs(cuts, kerf));
}

Units BoughtLength(const CuttingPlan& plan) {
    Units total = 0;
    for (const Bar& bar : plan.Bars) {
        total += bar.OnHand ? 0 : bar.Stock;
    }
    return total;
}

std::optional<Units> SingleBuyableLength(const CuttingProblem& problem) {
    std::optional<Units> single;
    for (const StockKind& kind : problem.Stocks) {
        if (kind.OnHand) {
            continue;
        }
        if (single && *single != kind.Length) {
            return std::nullopt;
        }
        single = kind.Length;
    }
    return single;
}

} // namespace volcalc::cutting
