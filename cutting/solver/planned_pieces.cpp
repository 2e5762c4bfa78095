// SPDX-License-Identifier: GPL-3.0-or-later
#include "planned_pieces.h"

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>

namespace volcalc::cutting {

PlannedPieces MakePlannedPieces(std::vector<Units> stocks, Units kerf, std::span<const Demand> demands,
                                std::vector<Demand>& oversized) {
    PlannedPieces pieces{std::move(stocks), kerf, {}, {}, 0};
    std::sort(pieces.Stocks.begin(), pieces.Stocks.end());
    pieces.Stocks.erase(std::unique(pieces.Stocks.begin(), pieces.Stocks.end()), pieces.Stocks.end());
    for (Units stock : pieces.Stocks) {
        pieces.CostUnit = std::gcd(pieces.CostUnit, stock);
    }
    std::map<Units, std::int64_t, std::greater<>> counts;
    for (const Demand& piece : demands) {
        if (piece.Count > 0) {
            counts[piece.Length] += piece.Count;
        }
    }
    for (const auto& [length, count] : counts) {
        if (length > pieces.Stocks.back()) {
            oversized.push_back({length, count});
        } else {
            pieces.Lengths.push_back(length);
            pieces.Counts.push_back(count);
        }
    }
    return pieces;
}

std::vector<Units> PiecesOf(const PlannedPieces& pieces, std::span<const std::int64_t> counts) {
    std::vector<Units> each;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        each.insert(each.end(), static_cast<std::size_t>(std::max<std::int64_t>(0, counts[i])),
                    pieces.Lengths[i]);
    }
    return each;
}

Pattern PatternOf(const PlannedPieces& pieces, const OpenBar& bar) {
    const auto stock = std::lower_bound(pieces.Stocks.begin(), pieces.Stocks.end(), bar.Stock);
    Pattern pattern{static_cast<std::size_t>(stock - pieces.Stocks.begin()),
                    std::vector<std::int64_t>(pieces.Lengths.size(), 0)};
    for (Units cut : bar.Cuts) {
        const auto at = std::lower_bound(pieces.Lengths.begin(), pieces.Lengths.end(), cut, std::greater<>());
        ++pattern.Counts[static_cast<std::size_t>(at - pieces.Lengths.begin())];
    }
    return pattern;
}

OpenBar BarOf(const PlannedPieces& pieces, const Pattern& pattern, std::span<std::int64_t> left) {
    OpenBar bar{pieces.Stocks[pattern.Stock], 0, {}};
    for (std::size_t i = 0; i < pattern.Counts.size(); ++i) {
        const std::int64_t taken = std::min(pattern.Counts[i], std::max<std::int64_t>(0, left[i]));
        left[i] -= taken;
        bar.Cuts.insert(bar.Cuts.end(), static_cast<std::size_t>(taken), pieces.Lengths[i]);
        bar.Load += taken * pieces.Weight(i);
    }
    return bar;
}

} // namespace volcalc::cutting
