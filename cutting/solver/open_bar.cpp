// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_bar.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace volcalc::cutting {

Units StockLength(const std::vector<OpenBar>& bars) {
    Units total = 0;
    for (const OpenBar& bar : bars) {
        total += bar.Stock;
    }
    return total;
}

std::vector<Bar> FinishBars(std::vector<OpenBar> bars, Units kerf) {
    std::vector<Bar> finished;
    finished.reserve(bars.size());
    for (OpenBar& bar : bars) {
        std::sort(bar.Cuts.begin(), bar.Cuts.end(), std::greater<>());
        const Units offcut = OffcutOf(bar.Cuts, kerf, bar.Stock);
        finished.push_back({bar.Stock, std::move(bar.Cuts), offcut});
    }
    std::sort(finished.begin(), finished.end(), [](const Bar& a, const Bar& b) {
        return std::tie(a.Stock, a.Cuts) > std::tie(b.Stock, b.Cuts);
    });
    return finished;
}

} // namespace volcalc::cutting
