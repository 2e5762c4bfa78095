// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_completion.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <random>
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
constexpr std::int64_t CountingSteps = 1000;
constexpr std::int64_t ScanSteps = 1000000000;
// Bars placed before the first restart, per bar the budget buys; each restart allows a quarter more.
constexpr std::int64_t FirstRestartPerBar = 1;

// Bars freed at a time when a partial plan is repaired, and the time each repair may take.
constexpr std::size_t FreedLeast = 2;
constexpr std::size_t FreedMost = 6;
constexpr auto RepairTime = std::chrono::milliseconds(2);

// Bars filled, and the pieces and bars left over.
struct Partial {
    std::vector<OpenBar> Bars;
    std::vector<Units> Rest;
    Units RestBudget = 0;
};

struct Completion {
    Units Offcut = 0;
    std::uint64_t Tie = 0;
    std::size_t Stock = 0;
    std::vector<std::int64_t> Taken; // per length
};

class Completer {
public:
    Completer(std::span<const Units> pieces, const BarBudget& budget, std::uint64_t seed);
    std::optional<std::vector<OpenBar>> Run(std::chrono::steady_clock::time_point until);

    Partial Deepest() const;
    bool Impossible() const { return m_impossible; }

private:
    bool Search();
    std::vector<Completion> CompletionsOf(std::size_t type, std::size_t enough, std::int64_t steps);
    void List(std::size_t type, Units room, Units lowest, std::vector<std::int64_t>& taken,
              std::vector<Completion>& found);
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
    std::int64_t m_steps = 0;
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

    std::chrono::steady_clock::time_point m_until;
    std::mt19937_64 m_random;
};

Completer::Completer(std::span<const Units> pieces, const BarBudget& budget, std::uint64_t seed)
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
Units Completer::MostRoom(Units budget) const {
    const Units shortest = m_capacities.back() - m_kerf;
    return budget + m_kerf * (budget / shortest);
}

std::optional<std::vector<OpenBar>> Completer::Run(std::chrono::steady_clock::time_point until) {
    if (MostRoom(m_budget) < m_weightLeft) {
        m_impossible = true;
        return std::nullopt;
    }
    m_until = until;
    while (std::chrono::steady_clock::now() < until) {
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
bool Completer::Search() {
    if (std::all_of(m_left.begin(), m_left.end(), [](std::int64_t n) { return n == 0; })) {
        return true;
    }
    if (++m_steps > m_stepLimit || (m_steps % 64 == 0 && std::chrono::steady_clock::now() >= m_until)) {
        m_stopped = true;
        return false;
    }
    // The piece with the fewest ways to complete its bar goes first; one with none ends the
    // branch at once. Of equally free pieces the longest goes first.
    std::vector<Completion> choices;
    std::size_t chosen = m_weight.size();
    bool chosenCut = false;
    std::int64_t scanned = 0;
    for (std::size_t type = 0; type < m_weight.size() && choices.size() != 1 && scanned < ScanSteps; ++type) {
        if (m_left[type] == 0) {
            continue;
        }
        std::vector<Completion> found =
            CompletionsOf(type, chosen == m_weight.size() ? CountLimit : choices.size(), CountingSteps);
        scanned += m_listed;
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
        choices = CompletionsOf(chosen, std::numeric_limits<std::size_t>::max(), ListingSteps);
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

// Up to `enough` completions of a bar that holds a piece of this length, each within the
// allowance (equal ones in an order of chance, so that each restart tries others).
std::vector<Completion> Completer::CompletionsOf(std::size_t type, std::size_t enough, std::int64_t steps) {
    --m_left[type];
    m_suffix.assign(m_weight.size() + 1, 0);
    m_lightest = m_weight.front();
    for (std::size_t i = m_weight.size(); i-- > 0;) {
        m_suffix[i] = m_suffix[i + 1] + m_left[i] * m_weight[i];
        m_lightest = m_left[i] > 0 ? std::min(m_lightest, m_weight[i]) : m_lightest;
    }
    std::vector<std::int64_t> taken(m_weight.size(), 0);
    std::vector<Completion> found;
    m_enough = enough;
    m_listed = 0;
    m_listCut = false;
    m_counting = steps == CountingSteps;
    m_listLimit = steps;
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
    for (Completion& completion : found) {
        ++completion.Taken[type];
    }
    return found;
}

// Pieces of this length and shorter that fill at most `room` and at least `lowest` of it.
void Completer::List(std::size_t type, Units room, Units lowest, std::vector<std::int64_t>& taken,
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
        taken[type] = 1;
        if (lowest <= m_weight[type]) {
            found.push_back({room - m_weight[type], m_random(), m_stock, taken});
        }
        taken[type] = 0;
        return;
    }
    // No piece from here on is longer than this one, and no more than fit by the lightest.
    if (std::min(m_suffix[type], room / m_lightest * m_weight[type]) < lowest) {
        return;
    }
    const std::int64_t most = std::min(m_left[type], room / m_weight[type]);
    for (std::int64_t n = most; n >= 0; --n) {
        taken[type] = n;
        List(type + 1, room - n * m_weight[type], lowest - n * m_weight[type], taken, found);
    }
    taken[type] = 0;
}

void Completer::Take(const Completion& completion, int sign) {
    const Units capacity = m_capacities[completion.Stock];
    m_budget -= sign * (capacity - m_kerf);
    m_weightLeft -= sign * (capacity - completion.Offcut);
    for (std::size_t i = 0; i < m_weight.size(); ++i) {
        m_left[i] -= sign * completion.Taken[i];
    }
    if (sign < 0) {
        m_bars.pop_back();
        return;
    }
    OpenBar bar{capacity - m_kerf, capacity - completion.Offcut, {}};
    for (std::size_t i = 0; i < m_weight.size(); ++i) {
        bar.Cuts.insert(bar.Cuts.end(), static_cast<std::size_t>(completion.Taken[i]), m_weight[i] - m_kerf);
    }
    m_bars.push_back(std::move(bar));
    if (m_bars.size() > m_deepestBars.size()) {
        m_deepestBars = m_bars;
        m_deepestLeft = m_left;
        m_deepestBudget = m_budget;
    }
}

Partial Completer::Deepest() const {
    Partial partial{m_deepestBars, {}, {}};
    const bool none = m_deepestBars.empty();
    for (std::size_t i = 0; i < m_weight.size(); ++i) {
        partial.Rest.insert(partial.Rest.end(), static_cast<std::size_t>(none ? m_left[i] : m_deepestLeft[i]),
                            m_weight[i] - m_kerf);
    }
    partial.RestBudget = none ? m_budget : m_deepestBudget;
    return partial;
}

// Large-neighbourhood repair of the fullest partial plan: the pieces left and those of a few bars
// chosen by chance are completed again, as a small problem of their own, in their bars and the
// bars still empty. A new partial plan that leaves no more pieces over takes the old one's place,
// so the search wanders among equally good ones until every piece is placed or the time is up.
std::optional<std::vector<OpenBar>> Repair(Partial partial, BarBudget budget, std::uint64_t seed,
                                           std::chrono::steady_clock::time_point until) {
    std::mt19937_64 random(seed);
    while (std::chrono::steady_clock::now() < until) {
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
        Completer small(pieces, budget, random());
        const auto attempt = std::min(until, std::chrono::steady_clock::now() + RepairTime);
        if (auto found = small.Run(attempt)) {
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
                                                 std::uint64_t seed,
                                                 std::chrono::steady_clock::time_point until) {
    const auto now = std::chrono::steady_clock::now();
    Completer whole(pieces, budget, seed);
    if (auto found = whole.Run(now + (until - now) / 3)) {
        return found;
    }
    if (whole.Impossible()) {
        return std::nullopt;
    }
    return Repair(whole.Deepest(), budget, seed, until);
}

} // namespace volcalc::cutting
