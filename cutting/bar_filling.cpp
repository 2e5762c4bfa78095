// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_filling.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace volcalc::cutting {

namespace {

bool Takes(const OpenBar& bar, Units piece) { return bar.Load + piece <= bar.Stock; }

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

void RemoveSurplus(std::vector<OpenBar>& bars, std::span<const Units> lengths,
                   std::span<const std::int64_t> wanted, Units kerf) {
    std::vector<std::int64_t> surplus(wanted.begin(), wanted.end());
    for (auto& count : surplus) {
        count = -count;
    }
    for (const OpenBar& bar : bars) {
        for (Units cut : bar.Cuts) {
            const auto at = std::lower_bound(lengths.begin(), lengths.end(), cut, std::greater<>());
            ++surplus[static_cast<std::size_t>(at - lengths.begin())];
        }
    }
    // The fullest bars keep their pieces; the surplus comes out of the emptiest, which may empty.
    std::sort(bars.begin(), bars.end(), [](const OpenBar& a, const OpenBar& b) { return a.Load > b.Load; });
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        std::erase_if(bar->Cuts, [&](Units cut) {
            const auto at = std::lower_bound(lengths.begin(), lengths.end(), cut, std::greater<>());
            auto& extra = surplus[static_cast<std::size_t>(at - lengths.begin())];
            if (extra <= 0) {
                return false;
            }
            --extra;
            bar->Load -= cut + kerf;
            return true;
        });
    }
    std::erase_if(bars, [](const OpenBar& bar) { return bar.Cuts.empty(); });
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
