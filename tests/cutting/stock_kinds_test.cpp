// SPDX-License-Identifier: GPL-3.0-or-later
// Plans from stock on the rack and stock limited in number.
#include "cutting/plan_check.h"
#include "cutting/plan_cuts.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <tuple>

namespace volcalc::cutting {
namespace {

constexpr Units mm = UnitsPerMillimetre;

StockKind Buy(Units length, std::optional<std::int64_t> limit = std::nullopt) {
    return {length, limit, false};
}

StockKind Rack(Units length, std::int64_t count) {
    return {length, count, true};
}

std::int64_t PiecesIn(const std::vector<Demand>& demands) {
    std::int64_t count = 0;
    for (const Demand& demand : demands) {
        count += demand.Count;
    }
    return count;
}

// What a plan is judged by: pieces left out, then length bought, then bars.
using Rank = std::tuple<std::int64_t, Units, std::size_t>;

Rank RankOf(const CuttingPlan& plan) {
    return {PiecesIn(plan.Uncovered), BoughtLength(plan), plan.Bars.size()};
}

// The best rank of every way to put each piece that fits some kind in a bar of some kind, or to
// leave it out.
Rank BruteForce(const CuttingProblem& problem) {
    Units longest = 0;
    for (const StockKind& kind : problem.Stocks) {
        longest = std::max(longest, kind.Length);
    }
    std::vector<Units> pieces;
    for (const Demand& d : problem.Pieces) {
        if (d.Length <= longest) {
            pieces.insert(pieces.end(), static_cast<std::size_t>(d.Count), d.Length);
        }
    }
    std::vector<std::int64_t> left;
    for (const StockKind& kind : problem.Stocks) {
        left.push_back(kind.Limit.value_or(std::numeric_limits<std::int64_t>::max()));
    }
    struct OpenBar {
        std::size_t Kind;
        std::vector<Units> Cuts;
    };
    std::vector<OpenBar> bars;
    Rank best{std::numeric_limits<std::int64_t>::max(), 0, 0};
    std::int64_t leftOut = 0;
    Units bought = 0;
    std::function<void(std::size_t)> place = [&](std::size_t next) {
        if (next == pieces.size()) {
            best = std::min(best, Rank{leftOut, bought, bars.size()});
            return;
        }
        // By index: the bars opened deeper down may move them.
        for (std::size_t b = 0; b < bars.size(); ++b) {
            bars[b].Cuts.push_back(pieces[next]);
            if (FitsBar(bars[b].Cuts, problem.Kerf, problem.Stocks[bars[b].Kind].Length)) {
                place(next + 1);
            }
            bars[b].Cuts.pop_back();
        }
        for (std::size_t k = 0; k < problem.Stocks.size(); ++k) {
            const StockKind& kind = problem.Stocks[k];
            if (left[k] > 0 && pieces[next] <= kind.Length) {
                --left[k];
                bought += kind.OnHand ? 0 : kind.Length;
                bars.push_back({k, {pieces[next]}});
                place(next + 1);
                bars.pop_back();
                bought -= kind.OnHand ? 0 : kind.Length;
                ++left[k];
            }
        }
        ++leftOut;
        place(next + 1);
        --leftOut;
    };
    place(0);
    return best;
}

TEST(StockKinds, SmallInstancesRankAsTheBruteForceFinds) {
    std::mt19937_64 random(7);
    auto draw = [&](Units least, Units most) {
        return std::uniform_int_distribution<Units>(least, most)(random);
    };
    for (int instance = 0; instance < 150; ++instance) {
        CuttingProblem problem;
        for (int k = 0, kinds = static_cast<int>(draw(1, 2)); k < kinds; ++k) {
            problem.Stocks.push_back(
                Buy(draw(800, 2000), draw(0, 2) == 0 ? std::optional(draw(0, 2)) : std::nullopt));
        }
        for (int k = 0, kinds = static_cast<int>(draw(0, 2)); k < kinds; ++k) {
            problem.Stocks.push_back(Rack(draw(300, 2200), draw(1, 2)));
        }
        problem.Kerf = instance % 2 == 0 ? 0 : draw(1, 40);
        for (int p = 0, pieces = static_cast<int>(draw(1, 6)); p < pieces; ++p) {
            problem.Pieces.push_back({draw(150, 1200), 1});
        }
        const CuttingPlan plan = PlanCuts(problem);
        ASSERT_EQ(CheckPlan(problem, plan), "") << "instance " << instance;
        ASSERT_EQ(RankOf(plan), BruteForce(problem)) << "instance " << instance;
    }
}

TEST(StockKinds, KnownPlans) {
    struct Case {
        const char* name;
        CuttingProblem problem;
        Units bought;
        std::size_t bars;
        std::vector<Demand> uncovered;
        Units longestOffcut;
    } const cases[] = {
        {"equal lengths bought: fewer, longer bars",
         {{Buy(6000 * mm), Buy(12000 * mm)}, 0, {{5400 * mm, 6}}},
         36000 * mm,
         3,
         {},
         1200 * mm},
        {"the rack before anything is bought, its offcut gathered into one bar",
         {{Buy(6000 * mm), Rack(2500 * mm, 2)}, 3 * mm, {{1200 * mm, 2}, {800 * mm, 2}}},
         0,
         2,
         {},
         894 * mm},
        {"a rack offcut takes a piece longer than every length to buy",
         {{Buy(6000 * mm), Rack(7000 * mm, 1)}, 0, {{6500 * mm, 1}, {3000 * mm, 2}}},
         6000 * mm,
         2,
         {},
         500 * mm},
        {"a limit sends the rest to the longer length",
         {{Buy(6000 * mm, 1), Buy(12000 * mm)}, 0, {{5000 * mm, 3}}},
         18000 * mm,
         2,
         {},
         2000 * mm},
        {"limits that cannot cover the order leave pieces uncovered",
         {{Buy(6000 * mm, 2), Rack(3000 * mm, 1)}, 0, {{4000 * mm, 4}}},
         12000 * mm,
         2,
         {{4000 * mm, 2}},
         2000 * mm},
        {"a limit of none buys nothing",
         {{Buy(6000 * mm, 0)}, 0, {{1000 * mm, 1}}},
         0,
         0,
         {{1000 * mm, 1}},
         0},
    };
    for (const Case& c : cases) {
        const CuttingPlan plan = PlanCuts(c.problem);
        EXPECT_EQ(CheckPlan(c.problem, plan), "") << c.name;
        EXPECT_EQ(BoughtLength(plan), c.bought) << c.name;
        EXPECT_EQ(plan.Bars.size(), c.bars) << c.name;
        EXPECT_EQ(plan.Uncovered, c.uncovered) << c.name;
        Units longest = 0;
        for (const Bar& bar : plan.Bars) {
            longest = std::max(longest, bar.Offcut);
        }
        EXPECT_EQ(longest, c.longestOffcut) << c.name;
    }
}

} // namespace
} // namespace volcalc::cutting
