// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The depth-first search inside CompleteBars (bar_completion.h): it fills bar after bar and
// remembers the fullest partial plan, which CompleteBars then repairs.

#include "bar_completion.h"
#include "search_effort.h"

#include <random>
#include <utility>

namespace volcalc::cutting {

// Bars filled, and the pieces and bars left over.
struct Partial {
    std::vector<OpenBar> Bars;
    std::vector<Units> Rest;
    Units RestBudget = 0;
};

// A way to complete a bar: its stock, the pieces of each length it takes and the offcut left;
// `Tie` orders equal offcuts by chance.
struct Completion {
    Units Offcut = 0;
    std::uint64_t Tie = 0;
    std::size_t Stock = 0;
    // (length, pieces) for the lengths it takes, in the order of the lengths: a bar takes few of
    // the thousands of lengths an order may have.
    std::vector<std::pair<std::size_t, std::int64_t>> Taken;
};

// The depth-first search of bar completion, restarted after a number of steps; see CompleteBars.
class CompletionSearch {
public:
    CompletionSearch(std::span<const Units> pieces, const BarBudget& budget, std::uint64_t seed);
    std::optional<std::vector<OpenBar>> Run(StepLimit limit);

    // The most bars any search filled, and what was left then.
    Partial Deepest() const;
    // Proved: the budget cannot hold the pieces.
    bool Impossible() const { return m_impossible; }

private:
    bool Search();
    bool OutOfTime();
    std::vector<Completion> CompletionsOf(std::size_t type, std::size_t enough, bool counting);
    void List(std::size_t type, Units room, Units lowest,
              std::vector<std::pair<std::size_t, std::int64_t>>& taken, std::vector<Completion>& found);
    void Take(const Completion& completion, int sign);
    Units MostRoom(Units budget) const;

    Units m_kerf;
    std::vector<Units> m_weight; // distinct, longest first
    std::vector<std::int64_t> m_left;
    std::vector<Units> m_suffix;     // weight left of each length and all shorter ones
    Units m_lightest = 0;            // of the pieces left
    std::vector<Units> m_capacities; // of each stock length, longest first
    Units m_budget = 0;              // stock length still to be bought
    Units m_weightLeft = 0;          // of the pieces still to cut
    std::vector<OpenBar> m_bars;
    // The most bars any search filled, and what was left then.
    std::vector<OpenBar> m_deepestBars;
    std::vector<std::int64_t> m_deepestLeft;
    Units m_deepestBudget = 0;
    std::size_t m_deepestShared = 0; // bars that m_bars and m_deepestBars have alike at their start
    std::int64_t m_steps = 0;
    std::int64_t m_work = 0; // of listing, since it was last spent
    std::int64_t m_stepLimit = 0;
    std::int64_t m_listed = 0;
    std::int64_t m_listLimit = 0;
    std::size_t m_enough = 0;
    std::size_t m_stock = 0; // of the completions being listed
    bool m_stopped = false;
    bool m_counting = false;   // listing only to count: the best last piece of each choice will do
    bool m_listCut = false;    // the last listing stopped at its limit
    bool m_cut = false;        // some choices were left out of this search
    bool m_impossible = false; // proved: the budget cannot hold the pieces

    StepLimit m_limit;
    std::mt19937_64 m_random;
};

} // namespace volcalc::cutting
