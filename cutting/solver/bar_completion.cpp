// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_completion.h"

#include "completion_search.h"

#include <algorithm>

namespace volcalc::cutting {

namespace {

// Bars freed at a time when a partial plan is repaired, and the effort each repair may take.
constexpr std::size_t FreedLeast = 2;
constexpr std::size_t FreedMost = 6;
constexpr std::int64_t RepairEffort = 2'000'000;

// Large-neighbourhood repair of the fullest partial plan: the pieces left and those of a few bars
// chosen by chance are completed again, as a small problem of their own, in their bars and the
// bars still empty. A new partial plan that leaves no more pieces over takes the old one's place,
// so the search wanders among equally good ones until every piece is placed or the limit.
std::optional<std::vector<OpenBar>> Repair(Partial partial, BarBudget budget, std::uint64_t seed,
                                           StepLimit limit) {
    std::mt19937_64 random(seed);
    while (!limit.Reached()) {
        std::shuffle(partial.Bars.begin(), partial.Bars.end(), random);
        const std::size_t freed = std::min(
            partial.Bars.size(), std::uniform_int_distribution<std::size_t>(FreedLeast, FreedMost)(random));
        std::vector<Units> pieces = partial.Rest;
        budget.Length = partial.RestBudget;
        for (auto bar = partial.Bars.end() - static_cast<std::ptrdiff_t>(freed); bar != partial.Bars.end();
             ++bar) {
            pieces.insert(pieces.end(), bar->Cuts.begin(), bar->Cuts.end());
            budget.Length += bar->Stock;
        }
        CompletionSearch small(pieces, budget, random());
        if (auto found = small.Run(limit.AtMost(RepairEffort))) {
            partial.Bars.resize(partial.Bars.size() - freed);
            partial.Bars.insert(partial.Bars.end(), found->begin(), found->end());
            return partial.Bars;
        }
        Partial again = small.Deepest();
        if (again.Rest.size() <= partial.Rest.size()) {
            partial.Bars.resize(partial.Bars.size() - freed);
            partial.Bars.insert(partial.Bars.end(), again.Bars.begin(), again.Bars.end());
            partial.Rest = std::move(again.Rest);
            partial.RestBudget = again.RestBudget;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<OpenBar>> CompleteBars(std::span<const Units> pieces, const BarBudget& budget,
                                                 std::uint64_t seed, StepLimit limit) {
    CompletionSearch whole(pieces, budget, seed);
    if (auto found = whole.Run(limit.Part(1.0 / 3))) {
        return found;
    }
    if (whole.Impossible()) {
        return std::nullopt;
    }
    return Repair(whole.Deepest(), budget, seed, limit);
}

} // namespace volcalc::cutting
