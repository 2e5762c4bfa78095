// SPDX-License-Identifier: GPL-3.0-or-later
#include "patterns_of_plan.h"

#include <algorithm>
#include <functional>
#include <span>
#include <tuple>

namespace volcalc::cutting {

namespace {

// Every bar's cuts longest first, end to end, so that bars compare without a copy each.
class SortedCuts {
public:
    explicit SortedCuts(const std::vector<OpenBar>& bars) : m_bars(bars) {
        m_starts.reserve(bars.size() + 1);
        m_starts.push_back(0);
        for (const OpenBar& bar : bars) {
            m_cuts.insert(m_cuts.end(), bar.Cuts.begin(), bar.Cuts.end());
            std::sort(m_cuts.end() - static_cast<std::ptrdiff_t>(bar.Cuts.size()), m_cuts.end(),
                      std::greater<>());
            m_starts.push_back(m_cuts.size());
        }
    }
    // Equal for bars cut alike, and seldom for others.
    std::uint64_t Hash(std::size_t bar) const {
        std::uint64_t hash = static_cast<std::uint64_t>(m_bars[bar].Stock);
        for (Units cut : Cuts(bar)) {
            hash = (hash ^ static_cast<std::uint64_t>(cut)) * 0x100000001b3u; // FNV-1a's prime
        }
        return hash;
    }
    bool Alike(std::size_t a, std::size_t b) const {
        return m_bars[a].Stock == m_bars[b].Stock && std::ranges::equal(Cuts(a), Cuts(b));
    }

private:
    std::span<const Units> Cuts(std::size_t bar) const {
        return std::span(m_cuts).subspan(m_starts[bar], m_starts[bar + 1] - m_starts[bar]);
    }
    const std::vector<OpenBar>& m_bars;
    std::vector<Units> m_cuts;
    std::vector<std::size_t> m_starts;
};

} // namespace

std::vector<UsedPattern> PatternsOfPlan(const PlannedPieces& pieces, const std::vector<OpenBar>& bars,
                                        std::size_t most) {
    const SortedCuts cuts(bars);
    std::vector<std::pair<std::uint64_t, std::size_t>> hashed; // (hash, bar)
    hashed.reserve(bars.size());
    for (std::size_t b = 0; b < bars.size(); ++b) {
        hashed.emplace_back(cuts.Hash(b), b);
    }
    std::sort(hashed.begin(), hashed.end());
    // One entry per distinct cut: its first bar, and how many bars it cuts. Bars of one hash are
    // few, and cut alike but for a rare collision.
    std::vector<std::pair<std::size_t, std::int64_t>> distinct;
    for (std::size_t run = 0, end = 0; run < hashed.size(); run = end) {
        const std::size_t first = distinct.size();
        for (end = run; end < hashed.size() && hashed[end].first == hashed[run].first; ++end) {
            const std::size_t bar = hashed[end].second;
            auto alike = std::find_if(distinct.begin() + static_cast<std::ptrdiff_t>(first), distinct.end(),
                                      [&](const auto& known) { return cuts.Alike(known.first, bar); });
            if (alike == distinct.end()) {
                alike = distinct.emplace(distinct.end(), bar, 0);
            }
            ++alike->second;
        }
    }
    if (distinct.size() > most) {
        std::sort(distinct.begin(), distinct.end(), [](const auto& a, const auto& b) {
            return std::tie(b.second, a.first) < std::tie(a.second, b.first);
        });
        distinct.resize(most);
    }
    std::sort(distinct.begin(), distinct.end());
    std::vector<UsedPattern> used;
    used.reserve(distinct.size());
    for (const auto& [first, count] : distinct) {
        used.push_back({PatternOf(pieces, bars[first]), count});
    }
    return used;
}

} // namespace volcalc::cutting
