// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion_search.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

namespace volcalc::cutting {

namespace {

// How many completions of one bar the search tries before it backs up further.
constexpr std::size_t CompletionsPerBar = 3;
// Completions counted for each piece when choosing the one with the fewest.
constexpr std::size_t CountLimit = 8;
// Steps of listing the completions of one bar: enough for the few pieces a bar of long profiles
// holds, a limit for orders of many short pieces.
constexpr std::int64_t ListingSteps = 10000;
// When listing only to count, fewer.
constexpr std::int64_t CountingSteps = 1000;
// The effort of one step of the search, beyond the listing steps and lengths it goes through.
constexpr std::int64_t EffortPerStep = 64;
constexpr std::int64_t CompletionEffort = 128;
// Listing steps against the simplex's iterations and the pricing's nodes (pattern_master.h).
constexpr std::int64_t EffortPerWork = 5;
// Bars placed before the first restart, per bar the budget buys; each restart allows a quarter more.
constexpr std::int64_t FirstRestartPerBar = 1;

} // namespace

CompletionSearch::CompletionSearch(std::span<const Units> pieces, const BarBudget& budget, std::uint64_t seed)
    : m_kerf(budget.Kerf), m_budget(budget.Length), m_random(seed) {
    std::map<Units, std::int64_t, std::greater<>> counts;
    for (Units piece : pieces) {
        ++counts[piece + m_kerf];
        m_weightLeft += piece + m_kerf;
    }
    for (const auto& [weight, count] : counts) {
        m_weight.push_back(weight);
        m_left.push_back(count);
    }
    for (Units stock : budget.Stocks) {
        m_capacities.push_back(stock + m_kerf);
    }
    std::sort(m_capacities.begin(), m_capacities.end(), std::greater<>());
    m_stepLimit = FirstRestartPerBar * (m_budget / (m_capacities.back() - m_kerf)) + 16;
}

// What pieces and kerfs this much stock length can hold at most: each bar holds a kerf more than
// its length, so the shortest bars hold the most.
Units CompletionSearch::MostRoom(Units budget) const {
    const Units shortest = m_capacities.back() - m_kerf;
    return budget + m_kerf * (budget / shortest);
}

std::optional<std::vector<OpenBar>> CompletionSearch::Run(StepLimit limit) {
    if (MostRoom(m_budget) < m_weightLeft) {
        m_impossible = true;
        return std::nullopt;
    }
    m_limit = limit;
    while (!limit.Reached()) {
        m_steps = 0;
        m_stopped = false;
        m_cut = false;
        if (Search()) {
            return m_bars;
        }
        if (!m_stopped) {
            // Every choice tried; a proof when no list of choices was cut short.
            m_impossible = !m_cut;
            return std::nullopt;
        }
        m_stepLimit += m_stepLimit / 4;
    }
    return std::nullopt;
}

bool CompletionSearch::Search() {
    if (std::all_of(m_left.begin(), m_left.end(), [](std::int64_t n) { return n == 0; })) {
        return true;
    }
    if (++m_steps > m_stepLimit || OutOfTime()) {
        m_stopped = true;
        return false;
    }
    // The piece with the fewest ways to complete its bar goes first; one with none ends the
    // branch at once. Of equally free pieces the longest goes first.
    std::vector<Completion> choices;
    std::size_t chosen = m_weight.size();
    bool chosenCut = false;
    for (std::size_t type = 0; type < m_weight.size() && choices.size() != 1; ++type) {
        if (m_left[type] == 0) {
            continue;
        }
        std::vector<Completion> found =
            CompletionsOf(type, chosen == m_weight.size() ? CountLimit : choices.size(), true);
        if (found.empty()) {
            m_cut = m_cut || m_listCut;
            return false;
        }
        if (chosen == m_weight.size() || found.size() < choices.size()) {
            chosen = type;
            choices = std::move(found);
            chosenCut = m_listCut;
        }
    }
    if (choices.size() >= CountLimit) {
        choices = CompletionsOf(chosen, std::numeric_limits<std::size_t>::max(), false);
        chosenCut = m_listCut;
    }
    m_cut = m_cut || chosenCut || choices.size() > CompletionsPerBar;
    std::sort(choices.begin(), choices.end(), [](const Completion& a, const Completion& b) {
        return std::tie(a.Offcut, a.Tie) < std::tie(b.Offcut, b.Tie);
    });
    choices.resize(std::min(choices.size(), CompletionsPerBar));
    for (const Completion& completion : choices) {
        Take(completion, 1);
        if (Search()) {
            return true;
        }
        Take(completion, -1);
        if (m_stopped) {
            return false;
        }
    }
    return false;
}

// Steps of much listing count for more: among thousands of lengths one step lists completions
// for each of them.
bool CompletionSearch::OutOfTime() {
    m_limit.Effort->Spend(EffortPerWork * (EffortPerStep + m_work));
    m_work = 0;
    return m_limit.Reached();
}

// Up to `enough` completions of a bar that holds a piece of this length, each within the
// allowance (equal ones in an order of chance, so that each restart tries others).
std::vector<Completion> CompletionSearch::CompletionsOf(std::size_t type, std::size_t enough, bool counting) {
    --m_left[type];
    m_suffix.assign(m_weight.size() + 1, 0);
    m_lightest = m_weight.front();
    for (std::size_t i = m_weight.size(); i-- > 0;) {
        m_suffix[i] = m_suffix[i + 1] + m_left[i] * m_weight[i];
        m_lightest = m_left[i] > 0 ? std::min(m_lightest, m_weight[i]) : m_lightest;
    }
    std::vector<std::pair<std::size_t, std::int64_t>> taken;
    std::vector<Completion> found;
    m_enough = enough;
    m_listed = 0;
    m_listCut = false;
    m_counting = counting;
    m_listLimit = counting ? CountingSteps : ListingSteps;
    for (m_stock = 0; m_stock < m_capacities.size(); ++m_stock) {
        const Units budget = m_budget - (m_capacities[m_stock] - m_kerf);
        const Units room = m_capacities[m_stock] - m_weight[type];
        if (budget >= 0 && room >= 0) {
            // The pieces left after this bar must fit what the rest of the budget buys.
            const Units lowest = m_weightLeft - MostRoom(budget) - m_weight[type];
            List(0, room, lowest, taken, found);
        }
    }
    ++m_left[type];
    // Each completion found is made, sorted and mostly thrown away: far more work than a listing step.
    m_work += static_cast<std::int64_t>(m_weight.size()) + m_listed +
              CompletionEffort * static_cast<std::int64_t>(found.size());
    for (Completion& completion : found) {
        auto at =
            std::lower_bound(completion.Taken.begin(), completion.Taken.end(), type,
                             [](const auto& pieces, std::size_t length) { return pieces.first < length; });
        if (at != completion.Taken.end() && at->first == type) {
            ++at->second;
        } else {
            completion.Taken.insert(at, {type, 1});
        }
    }
    return found;
}

// Pieces of this length and shorter that fill at most `room` and at least `lowest` of it.
void CompletionSearch::List(std::size_t type, Units room, Units lowest,
                            std::vector<std::pair<std::size_t, std::int64_t>>& taken,
                            std::vector<Completion>& found) {
    if (++m_listed > m_listLimit) {
        m_listCut = true;
        return;
    }
    if (found.size() >= m_enough) {
        return;
    }
    const auto fitting = std::lower_bound(m_weight.begin(), m_weight.end(), room, std::greater<>());
    type = std::max(type, static_cast<std::size_t>(fitting - m_weight.begin()));
    while (type < m_weight.size() && m_left[type] == 0) {
        ++type;
    }
    if (type == m_weight.size() || room < m_lightest) {
        if (lowest <= 0) {
            found.push_back({room, m_random(), m_stock, taken});
        }
        return;
    }
    // Room for one more piece at most: the longest that fits leaves the least offcut, a shorter
    // one only more.
    if (m_counting && room < 2 * m_lightest) {
        taken.emplace_back(type, 1);
        if (lowest <= m_weight[type]) {
            found.push_back({room - m_weight[type], m_random(), m_stock, taken});
        }
        taken.pop_back();
        return;
    }
    // No piece from here on is longer than this one, and no more than fit by the lightest.
    if (std::min(m_suffix[type], room / m_lightest * m_weight[type]) < lowest) {
        return;
    }
    const std::int64_t most = std::min(m_left[type], room / m_weight[type]);
    for (std::int64_t n = most; n >= 0; --n) {
        if (n > 0) {
            taken.emplace_back(type, n);
        }
        List(type + 1, room - n * m_weight[type], lowest - n * m_weight[type], taken, found);
        if (n > 0) {
            taken.pop_back();
        }
    }
}

void CompletionSearch::Take(const Completion& completion, int sign) {
    const Units capacity = m_capacities[completion.Stock];
    m_budget -= sign * (capacity - m_kerf);
    m_weightLeft -= sign * (capacity - completion.Offcut);
    for (const auto& [length, pieces] : completion.Taken) {
        m_left[length] -= sign * pieces;
    }
    if (sign < 0) {
        m_bars.pop_back();
        m_deepestShared = std::min(m_deepestShared, m_bars.size());
        return;
    }
    OpenBar bar{capacity - m_kerf, capacity - completion.Offcut, {}};
    for (const auto& [length, pieces] : completion.Taken) {
        bar.Cuts.insert(bar.Cuts.end(), static_cast<std::size_t>(pieces), m_weight[length] - m_kerf);
    }
    m_bars.push_back(std::move(bar));
    if (m_bars.size() > m_deepestBars.size()) {
        // Only the bars placed since the search last backed up below the deepest differ from it.
        m_deepestBars.resize(m_deepestShared);
        m_deepestBars.insert(m_deepestBars.end(),
                             m_bars.begin() + static_cast<std::ptrdiff_t>(m_deepestShared), m_bars.end());
        m_deepestShared = m_bars.size();
        m_deepestLeft = m_left;
        m_deepestBudget = m_budget;
    }
}

Partial CompletionSearch::Deepest() const {
    Partial partial{m_deepestBars, {}, {}};
    const bool none = m_deepestBars.empty();
    for (std::size_t i = 0; i < m_weight.size(); ++i) {
        partial.Rest.insert(partial.Rest.end(), static_cast<std::size_t>(none ? m_left[i] : m_deepestLeft[i]),
                            m_weight[i] - m_kerf);
    }
    partial.RestBudget = none ? m_budget : m_deepestBudget;
    return partial;
}

} // namespace volcalc::cutting
