// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pricing step of column generation: the most valuable pattern of one bar, a bounded
// integer knapsack with exact integer weights and real values (the master's prices).

#include "cutting/lengths.h"

#include <cstdint>
#include <span>
#include <vector>

namespace volcalc::cutting {

struct KnapsackItem {
    Units Weight = 0; // > 0
    double Value = 0;
    std::int64_t Bound = 0; // at most this many
};

struct KnapsackResult {
    std::vector<std::int64_t> Counts; // per item
    double Value = 0;
    bool Proved = true;    // false when the search stopped at its limit with the best it had
    std::int64_t Work = 0; // cells of the table or nodes of the search it took, for the effort spent
};

KnapsackResult SolveKnapsack(std::span<const KnapsackItem> items, Units capacity);

// The same items in bars of several capacities at once.
std::vector<KnapsackResult> SolveKnapsacks(std::span<const KnapsackItem> items,
                                           std::span<const Units> capacities);

} // namespace volcalc::cutting
