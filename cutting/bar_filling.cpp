// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_filling.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace volcalc::cutting {

namespace {

bool Takes(const OpenBar& bar, Units piece) {
    return bar.Load + piece <= bar.Stock;
}

Units ShortestTaking(std::span<const Units> stocks, Units load, Units kerf) {
    const auto it = std::lower_bound(stocks.begin(), stocks.end(), load - kerf);
    return it == stocks.end() ? stocks.back() : *it;
}

} // namespace

void FillFirstFit(std::vector<OpenBar>& bars, std::vector<Units> pieces, std::span<const Units> stocks,
                  Units kerf, Units preferred) {
    std::sort(pieces.begin(), pieces.end(), std::greater<>());
    for (Units piece : pieces) {
        auto bar = std::find_if(bars.begin(), bars.end(), [&](const OpenBar& b) { return Takes(b, piece); });
        if (bar == bars.end()) {
            const Units stock = piece <= preferred ? preferred : ShortestTaking(stocks, piece + kerf, kerf);
            bars.push_back({stock, 0, {}});
            bar = bars.end() - 1;
        }
        bar->Load += piece + kerf;
        bar->Cuts.push_back(piece);
    }
}

void ShortenBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf) {
    for (OpenBar& bar : bars) {
        bar.Stock = std::min(bar.Stock, ShortestTaking(stocks, bar.Load, kerf));
    }
}

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
