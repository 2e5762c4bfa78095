// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The problem as the search sees it: distinct piece lengths, longest first, with their counts;
// stock lengths ascending; costs counted in the largest length that every stock length is a
// whole multiple of, so that the cost of a plan is a whole number and the relaxation's cost,
// rounded up, bounds it from below.

#include "cutting/cutting_plan.h"
#include "open_bar.h"
#include "pattern_master.h"

#include <cstdint>
#include <vector>

namespace volcalc::cutting {

struct PlannedPieces {
    std::vector<Units> Stocks;
    Units Kerf = 0;
    std::vector<Units> Lengths;
    std::vector<std::int64_t> Counts;
    Units CostUnit = 1;

    std::int64_t CostOf(Units stock) const { return stock / CostUnit; }
    std::int64_t CostOf(const std::vector<OpenBar>& bars) const { return StockLength(bars) / CostUnit; }
    std::int64_t CostOf(const Pattern& pattern) const { return CostOf(Stocks[pattern.Stock]); }
    // What a piece of length i takes of a bar: itself and the kerf behind it.
    Units Weight(std::size_t i) const { return Lengths[i] + Kerf; }
    // A bar of stock s holds pieces whose weights add up to this.
    Units Capacity(std::size_t s) const { return Stocks[s] + Kerf; }
};

// The pieces of a valid problem cut from stock of these lengths (any order, repeats allowed);
// those longer than every stock go to `oversized` instead.
PlannedPieces MakePlannedPieces(std::vector<Units> stocks, Units kerf, std::span<const Demand> demands,
                                std::vector<Demand>& oversized);

// `counts[i]` pieces of each length, one entry per piece, longest first.
std::vector<Units> PiecesOf(const PlannedPieces& pieces, std::span<const std::int64_t> counts);

Pattern PatternOf(const PlannedPieces& pieces, const OpenBar& bar);

// A bar cut by the pattern, but never more pieces of a length than `left` still wants (which
// it counts down).
OpenBar BarOf(const PlannedPieces& pieces, const Pattern& pattern, std::span<std::int64_t> left);

} // namespace volcalc::cutting
