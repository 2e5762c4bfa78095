// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_patterns.h"

#include <algorithm>

namespace volcalc::cutting {

namespace {

class Enumeration {
public:
    Enumeration(const PlannedPieces& pieces, std::size_t limit) : m_pieces(pieces), m_limit(limit) {}

    bool Run() {
        for (std::size_t s = 0; s < m_pieces.Stocks.size(); ++s) {
            m_current = {s, std::vector<std::int64_t>(m_pieces.Lengths.size(), 0)};
            Branch(0, m_pieces.Capacity(s));
        }
        return m_patterns.size() <= m_limit && m_nodes <= NodeLimit;
    }
    std::vector<Pattern> Patterns() && { return std::move(m_patterns); }

private:
    // Patterns that leave room are dropped only at the end, so the search may pass many.
    static constexpr std::int64_t NodeLimit = 400'000;

    bool RoomForMore(Units room) const {
        for (std::size_t i = 0; i < m_pieces.Lengths.size(); ++i) {
            if (m_current.Counts[i] < m_pieces.Counts[i] && m_pieces.Weight(i) <= room) {
                return true;
            }
        }
        return false;
    }

    void Branch(std::size_t i, Units room) {
        if (m_patterns.size() > m_limit || ++m_nodes > NodeLimit) {
            return;
        }
        if (i == m_pieces.Lengths.size()) {
            if (!RoomForMore(room)) {
                m_patterns.push_back(m_current);
            }
            return;
        }
        for (std::int64_t n = std::min(m_pieces.Counts[i], room / m_pieces.Weight(i)); n >= 0; --n) {
            m_current.Counts[i] = n;
            Branch(i + 1, room - n * m_pieces.Weight(i));
        }
        m_current.Counts[i] = 0;
    }

    const PlannedPieces& m_pieces;
    std::size_t m_limit;
    std::int64_t m_nodes = 0;
    Pattern m_current;
    std::vector<Pattern> m_patterns;
};

} // namespace

std::optional<std::vector<Pattern>> EveryFullPattern(const PlannedPieces& pieces, std::size_t limit) {
    Enumeration enumeration(pieces, limit);
    if (!enumeration.Run()) {
        return std::nullopt;
    }
    return std::move(enumeration).Patterns();
}

} // namespace volcalc::cutting
