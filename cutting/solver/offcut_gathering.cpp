// SPDX-License-Identifier: GPL-3.0-or-later
#include "offcut_gathering.h"

#include <algorithm>
#include <functional>

namespace volcalc::cutting {

namespace {

constexpr std::size_t MostBars = 400;
constexpr int MostRounds = 8;

// What a bar has left to take a piece: its length beyond the pieces and a kerf behind each, and
// one kerf more, as the last piece needs none behind it.
Units Room(const Bar& bar, Units kerf) {
    Units taken = 0;
    for (Units cut : bar.Cuts) {
        taken += cut + kerf;
    }
    return bar.Stock + kerf - taken;
}

// One piece of `from` moved to `to`, the shortest that gathers the offcut; false when none does.
bool MoveOne(Bar& from, Bar& to, Units kerf) {
    const Units room = Room(to, kerf);
    for (std::size_t c = from.Cuts.size(); c-- > 0;) {
        const Units piece = from.Cuts[c];
        // The sum of squares grows when the longer offcut grows: from's offcut plus the piece
        // beyond to's offcut before the move.
        if (piece + kerf <= room && from.Offcut + piece > to.Offcut) {
            from.Cuts.erase(from.Cuts.begin() + static_cast<std::ptrdiff_t>(c));
            to.Cuts.push_back(piece);
            std::sort(to.Cuts.begin(), to.Cuts.end(), std::greater<>());
            from.Offcut = OffcutOf(from.Cuts, kerf, from.Stock);
            to.Offcut = OffcutOf(to.Cuts, kerf, to.Stock);
            return true;
        }
    }
    return false;
}

} // namespace

void GatherOffcuts(std::vector<Bar>& bars, Units kerf) {
    if (bars.size() > MostBars) {
        return;
    }
    for (int round = 0; round < MostRounds; ++round) {
        bool moved = false;
        for (std::size_t a = 0; a < bars.size(); ++a) {
            for (std::size_t b = 0; b < bars.size(); ++b) {
                while (a != b && !bars[a].Cuts.empty() && bars[a].Offcut >= bars[b].Offcut &&
                       MoveOne(bars[a], bars[b], kerf)) {
                    moved = true;
                }
            }
        }
        std::erase_if(bars, [](const Bar& bar) { return bar.Cuts.empty(); });
        if (!moved) {
            return;
        }
    }
}

} // namespace volcalc::cutting
