// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_fit.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace volcalc::cutting {

namespace {

// The room left in each bar, to find the first bar a piece fits in a number of steps that grows
// with the logarithm of the number of bars: an order of thousands of pieces fills in milliseconds.
// It holds room for at least `leaves` bars, and is made anew twice as large when they are more.
class RoomTree {
public:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    RoomTree(const std::vector<OpenBar>& bars, std::size_t leaves)
        : m_leaves(std::bit_ceil(std::max(leaves, bars.size()))), m_most(2 * m_leaves, -1) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            m_most[m_leaves + i] = bars[i].Stock - bars[i].Load;
        }
        for (std::size_t node = m_leaves - 1; node > 0; --node) {
            m_most[node] = std::max(m_most[2 * node], m_most[2 * node + 1]);
        }
    }
    std::size_t Leaves() const { return m_leaves; }
    void Set(std::size_t bar, Units room) {
        std::size_t node = bar + m_leaves;
        m_most[node] = room;
        for (node /= 2; node > 0; node /= 2) {
            const Units most = std::max(m_most[2 * node], m_most[2 * node + 1]);
            if (m_most[node] == most) {
                break; // and so are the nodes above
            }
            m_most[node] = most;
        }
    }
    // The first bar with at least this much room.
    std::size_t FirstWith(Units piece) const {
        if (m_most[1] < piece) {
            return None;
        }
        std::size_t node = 1;
        while (node < m_leaves) {
            node = m_most[2 * node] >= piece ? 2 * node : 2 * node + 1;
        }
        return node - m_leaves;
    }

private:
    std::size_t m_leaves;
    std::vector<Units> m_most;
};

Units ShortestTaking(std::span<const Units> stocks, Units load, Units kerf) {
    const auto it = std::lower_bound(stocks.begin(), stocks.end(), load - kerf);
    return it == stocks.end() ? stocks.back() : *it;
}

} // namespace

void FillFirstFit(std::vector<OpenBar>& bars, std::vector<Units> pieces, std::span<const Units> stocks,
                  Units kerf, Units preferred) {
    if (!std::is_sorted(pieces.begin(), pieces.end(), std::greater<>())) {
        std::sort(pieces.begin(), pieces.end(), std::greater<>());
    }
    RoomTree room(bars, bars.size() + 1);
    // Pieces of one length go into the first bar that fits them as many at a time as it takes:
    // the next would go there too, one at a time, as every bar before it is too full for them.
    for (auto piece = pieces.begin(); piece != pieces.end();) {
        const auto same = std::find_if(piece, pieces.end(), [&](Units other) { return other != *piece; });
        for (auto left = same - piece; left > 0;) {
            std::size_t at = room.FirstWith(*piece);
            if (at == RoomTree::None) {
                const Units stock =
                    *piece <= preferred ? preferred : ShortestTaking(stocks, *piece + kerf, kerf);
                at = bars.size();
                bars.push_back({stock, 0, {}});
                if (at >= room.Leaves()) {
                    room = RoomTree(bars, 2 * bars.size());
                }
            }
            OpenBar& bar = bars[at];
            const auto taken =
                std::min<std::ptrdiff_t>(left, 1 + (bar.Stock - bar.Load - *piece) / (*piece + kerf));
            bar.Load += taken * (*piece + kerf);
            bar.Cuts.insert(bar.Cuts.end(), static_cast<std::size_t>(taken), *piece);
            room.Set(at, bar.Stock - bar.Load);
            left -= taken;
        }
        piece = same;
    }
}

void ShortenBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf) {
    for (OpenBar& bar : bars) {
        bar.Stock = std::min(bar.Stock, ShortestTaking(stocks, bar.Load, kerf));
    }
}

} // namespace volcalc::cutting
