// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/solver/patterns_of_plan.h"

#include <gtest/gtest.h>

namespace volcalc::cutting {
namespace {

// Stocks 6000 and 12000; lengths 3000, 2000, 1000 (longest first, as the search keeps them).
const PlannedPieces Pieces{{6000, 12000}, 0, {3000, 2000, 1000}, {100, 100, 100}, 6000};

OpenBar On(Units stock, std::vector<Units> cuts) {
    return {stock, 0, std::move(cuts)};
}

TEST(PatternsOfPlan, EachDistinctCutOnceWithTheBarsItCuts) {
    const OpenBar a = On(6000, {3000, 2000, 1000});
    const OpenBar b = On(6000, {2000, 2000, 2000});
    const OpenBar c = On(6000, {1000, 1000});
    const struct {
        const char* name;
        std::vector<OpenBar> bars;
        std::size_t most;
        std::vector<UsedPattern> expected;
    } cases[] = {
        {"no bars", {}, 10, {}},
        {"bars cut alike count once, in the order first used, whatever the order of their cuts",
         {b, a, On(6000, {1000, 3000, 2000}), b, a},
         10,
         {{{0, {0, 3, 0}}, 2}, {{0, {1, 1, 1}}, 3}}},
        {"the same cuts from another stock are another pattern",
         {a, On(12000, {3000, 2000, 1000})},
         10,
         {{{0, {1, 1, 1}}, 1}, {{1, {1, 1, 1}}, 1}}},
        {"beyond the most, those that cut the most bars, still in the order first used",
         {a, b, c, c, b, c},
         2,
         {{{0, {0, 3, 0}}, 2}, {{0, {0, 0, 2}}, 3}}},
        {"among equals the first used", {c, b, a, a, b, c}, 2, {{{0, {0, 0, 2}}, 2}, {{0, {0, 3, 0}}, 2}}},
    };
    for (const auto& row : cases) {
        const std::vector<UsedPattern> used = PatternsOfPlan(Pieces, row.bars, row.most);
        ASSERT_EQ(used.size(), row.expected.size()) << row.name;
        for (std::size_t i = 0; i < used.size(); ++i) {
            EXPECT_EQ(used[i].Cut, row.expected[i].Cut) << row.name << ", pattern " << i;
            EXPECT_EQ(used[i].Bars, row.expected[i].Bars) << row.name << ", pattern " << i;
        }
    }
}

} // namespace
} // namespace volcalc::cutting
