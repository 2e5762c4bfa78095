// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/solver/bar_completion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace volcalc::cutting {
namespace {

// A budget of effort that these small searches never reach.
StepLimit Ample() {
    static SearchEffort effort(nullptr, std::chrono::seconds(20));
    return {&effort, effort.Spent() + (std::int64_t{1} << 40)};
}

// Bars of each stock cut at random points into pieces that fill them exactly, a kerf between
// each two: the pieces fit a budget of exactly those bars, and only by filling every bar.
std::vector<Units> PerfectFills(std::mt19937_64& random, std::span<const Units> stocks, int bars,
                                Units kerf) {
    std::vector<Units> pieces;
    for (Units stock : stocks) {
        for (int b = 0; b < bars; ++b) {
            const int count = std::uniform_int_distribution<int>(2, 4)(random);
            Units room = stock - (count - 1) * kerf;
            for (int p = 1; p < count; ++p) {
                const Units piece = std::uniform_int_distribution<Units>(1, room - (count - p))(random);
                pieces.push_back(piece);
                room -= piece;
            }
            pieces.push_back(room);
        }
    }
    std::shuffle(pieces.begin(), pieces.end(), random);
    return pieces;
}

// With a kerf and several stocks the search cannot tell how many bars the budget will buy, so it
// is given a bar to spare there.
TEST(CompleteBars, FillsEveryBarOfAnExactBudgetAndCutsEachPieceOnce) {
    struct Case {
        const char* name;
        std::vector<Units> stocks;
        Units kerf;
        Units spare = 0;
    };
    const Case cases[] = {
        {"one stock", {1000}, 0},
        {"one stock and a kerf", {6000}, 3},
        {"two stocks", {6000, 12000}, 0},
        {"two stocks and a kerf", {5000, 7500}, 4, 5000},
    };
    std::mt19937_64 random(7);
    for (const Case& c : cases) {
        const std::vector<Units> pieces = PerfectFills(random, c.stocks, 12, c.kerf);
        Units budget = c.spare;
        for (Units stock : c.stocks) {
            budget += 12 * stock;
        }
        // The search returns as soon as it has a plan; the deadline only stops a broken one.
        const auto bars = CompleteBars(pieces, {c.stocks, c.kerf, budget}, 1, Ample());
        ASSERT_TRUE(bars.has_value()) << c.name;
        std::vector<Units> cut;
        Units bought = 0;
        for (const OpenBar& bar : *bars) {
            EXPECT_NE(std::find(c.stocks.begin(), c.stocks.end(), bar.Stock), c.stocks.end()) << c.name;
            EXPECT_TRUE(FitsBar(bar.Cuts, c.kerf, bar.Stock)) << c.name;
            Units load = 0;
            for (Units piece : bar.Cuts) {
                load += piece + c.kerf;
            }
            EXPECT_EQ(bar.Load, load) << c.name;
            cut.insert(cut.end(), bar.Cuts.begin(), bar.Cuts.end());
            bought += bar.Stock;
        }
        EXPECT_LE(bought, budget) << c.name;
        std::vector<Units> expected = pieces;
        std::sort(expected.begin(), expected.end());
        std::sort(cut.begin(), cut.end());
        EXPECT_EQ(cut, expected) << c.name;
    }
}

TEST(CompleteBars, RefusesABudgetTooShortForThePieces) {
    const std::vector<Units> stocks{1000};
    const std::vector<Units> pieces{600, 600, 600};
    // Three pieces and a kerf behind each need 1830 of bars that hold 1010 each.
    EXPECT_FALSE(CompleteBars(pieces, {stocks, 10, 1000}, 1, Ample()));
    EXPECT_FALSE(CompleteBars(pieces, {stocks, 10, 1999}, 1, Ample()));
}

} // namespace
} // namespace volcalc::cutting
