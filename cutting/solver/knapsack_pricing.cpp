// SPDX-License-Identifier: GPL-3.0-or-later
#include "knapsack_pricing.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace volcalc::cutting {

namespace {

// Table cells a dynamic programme may fill; beyond it the search by branch and bound runs.
constexpr std::size_t TableLimit = 6'000'000;
constexpr std::int64_t NodeLimit = 2'000'000;
constexpr double Tiny = 1e-12;

// An item split into parts of 1, 2, 4, ... copies, so each part is taken at most once.
struct Part {
    std::size_t Item;
    std::int64_t Copies;
    Units Weight;
    double Value;
};

// Weights and capacities divided by their common divisor: lengths typed in whole millimetres
// give a table a thousand times smaller than the units would. One table answers every capacity.
std::vector<KnapsackResult> ByTable(std::span<const KnapsackItem> items, std::span<const std::size_t> useful,
                                    std::span<const Units> capacities, Units divisor) {
    const Units room = *std::max_element(capacities.begin(), capacities.end());
    const auto columns = static_cast<std::size_t>(room / divisor) + 1;
    std::vector<Part> parts;
    for (std::size_t i : useful) {
        std::int64_t left = std::min(items[i].Bound, room / items[i].Weight);
        for (std::int64_t copies = 1; left > 0; copies *= 2) {
            const std::int64_t take = std::min(copies, left);
            parts.push_back(
                {i, take, take * items[i].Weight / divisor, static_cast<double>(take) * items[i].Value});
            left -= take;
        }
    }
    std::vector<double> best(columns, 0.0);
    std::vector<std::uint8_t> taken(parts.size() * columns, 0);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const auto weight = static_cast<std::size_t>(parts[p].Weight);
        for (std::size_t r = columns - 1; r + 1 > weight; --r) {
            const double with = best[r - weight] + parts[p].Value;
            if (with > best[r] + Tiny) {
                best[r] = with;
                taken[p * columns + r] = 1;
            }
        }
    }
    std::vector<KnapsackResult> results;
    for (Units capacity : capacities) {
        auto r = static_cast<std::size_t>(capacity / divisor);
        KnapsackResult result{std::vector<std::int64_t>(items.size(), 0), best[r], true};
        for (std::size_t p = parts.size(); p-- > 0;) {
            if (taken[p * columns + r]) {
                result.Counts[parts[p].Item] += parts[p].Copies;
                r -= static_cast<std::size_t>(parts[p].Weight);
            }
        }
        results.push_back(std::move(result));
    }
    results.front().Work = static_cast<std::int64_t>(parts.size() * columns / 2);
    return results;
}

// Depth first, the densest items first, pruned by the fractional bound.
class BranchAndBound {
public:
    BranchAndBound(std::span<const KnapsackItem> items, std::vector<std::size_t> order)
        : m_items(items), m_order(std::move(order)), m_current(items.size(), 0), m_best(items.size(), 0) {}

    KnapsackResult Solve(Units room) {
        Branch(0, room, 0.0);
        // Each node goes through the items left for its bound.
        return {m_best, m_bestValue, m_nodes <= NodeLimit,
                m_nodes * static_cast<std::int64_t>(2 + m_order.size() / 8)};
    }

private:
    double FractionalBound(std::size_t from, Units room) const {
        double bound = 0;
        for (std::size_t k = from; k < m_order.size() && room > 0; ++k) {
            const KnapsackItem& item = m_items[m_order[k]];
            const std::int64_t whole = std::min(item.Bound, room / item.Weight);
            bound += static_cast<double>(whole) * item.Value;
            room -= whole * item.Weight;
            if (whole < item.Bound) {
                return bound + item.Value * static_cast<double>(room) / static_cast<double>(item.Weight);
            }
        }
        return bound;
    }

    void Branch(std::size_t depth, Units room, double value) {
        if (++m_nodes > NodeLimit) {
            return;
        }
        if (value > m_bestValue + Tiny) {
            m_bestValue = value;
            m_best = m_current;
        }
        if (depth == m_order.size() || value + FractionalBound(depth, room) <= m_bestValue + Tiny) {
            return;
        }
        const std::size_t i = m_order[depth];
        for (std::int64_t n = std::min(m_items[i].Bound, room / m_items[i].Weight); n >= 0; --n) {
            m_current[i] = n;
            Branch(depth + 1, room - n * m_items[i].Weight,
                   value + static_cast<double>(n) * m_items[i].Value);
            if (m_nodes > NodeLimit) {
                break;
            }
        }
        m_current[i] = 0;
    }

    std::span<const KnapsackItem> m_items;
    std::vector<std::size_t> m_order;
    std::vector<std::int64_t> m_current;
    std::vector<std::int64_t> m_best;
    double m_bestValue = 0;
    std::int64_t m_nodes = 0;
};

} // namespace

std::vector<KnapsackResult> SolveKnapsacks(std::span<const KnapsackItem> items,
                                           std::span<const Units> capacities) {
    const Units largest = *std::max_element(capacities.begin(), capacities.end());
    std::vector<std::size_t> useful;
    Units divisor = 0;
    for (Units capacity : capacities) {
        divisor = std::gcd(divisor, capacity);
    }
    std::size_t parts = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].Value > Tiny && items[i].Bound > 0 && items[i].Weight <= largest) {
            useful.push_back(i);
            divisor = std::gcd(divisor, items[i].Weight);
            parts += static_cast<std::size_t>(std::bit_width(static_cast<std::uint64_t>(items[i].Bound)));
        }
    }
    if (useful.empty()) {
        return std::vector<KnapsackResult>(capacities.size(),
                                           {std::vector<std::int64_t>(items.size(), 0), 0.0, true});
    }
    if (parts * static_cast<std::size_t>(largest / divisor + 1) <= TableLimit) {
        return ByTable(items, useful, capacities, divisor);
    }
    std::sort(useful.begin(), useful.end(), [&](std::size_t a, std::size_t b) {
        return items[a].Value * static_cast<double>(items[b].Weight) >
               items[b].Value * static_cast<double>(items[a].Weight);
    });
    std::vector<KnapsackResult> results;
    for (Units capacity : capacities) {
        results.push_back(BranchAndBound(items, useful).Solve(capacity));
    }
    return results;
}

KnapsackResult SolveKnapsack(std::span<const KnapsackItem> items, Units capacity) {
    return SolveKnapsacks(items, std::span(&capacity, 1)).front();
}

} // namespace volcalc::cutting
