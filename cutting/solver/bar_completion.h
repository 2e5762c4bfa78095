// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bar completion: can the pieces be cut from bars whose stock lengths add up to at most a budget?
// The search (completion_search.h) runs first; the fullest partial plan it leaves is repaired
// here. Repacking (budget_repacking.h) chooses the budgets.

#include "open_bar.h"
#include "search_effort.h"

#include <optional>

namespace volcalc::cutting {

// What the bars cut may cost: their stock lengths add up to at most `Length`.
struct BarBudget {
    std::span<const Units> Stocks; // the lengths that can be bought
    Units Kerf = 0;
    Units Length = 0;
};

// Cuts every piece from bars within the budget, by bar completion: the piece with the fewest ways
// to complete a bar around it (the longest of equals) opens a bar, completed by the pieces that
// leave the least offcut while what is left still fits what the rest of the budget buys; then the
// next. A depth-first search, restarted with other choices among equally good completions after a
// number of steps; then a repair of the fullest partial plan found, until the limit.
std::optional<std::vector<OpenBar>> CompleteBars(std::span<const Units> pieces, const BarBudget& budget,
                                                 std::uint64_t seed, StepLimit limit);

} // namespace volcalc::cutting
