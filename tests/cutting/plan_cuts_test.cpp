// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/plan_check.h"
#include "cutting/plan_cuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <random>
#include <stdexcept>
#include <thread>

namespace volcalc::cutting {
namespace {

constexpr Units mm = UnitsPerMillimetre;

CuttingProblem Buying(std::vector<Units> stocks, Units kerf, std::vector<Demand> pieces) {
    return {BuyableStocks(stocks), kerf, std::move(pieces)};
}

TEST(CuttingPlan, OffcutLeavesAKerfBehindTheLastCutUnlessThePiecesFillTheBar) {
    struct Case {
        const char* name;
        std::vector<Units> cuts;
        Units kerf;
        Units stock;
        bool fits;
        Units offcut;
    } const cases[] = {
        {"no kerf, room left", {2400 * mm, 2400 * mm}, 0, 6000 * mm, true, 1200 * mm},
        {"no kerf, filled", {3000 * mm, 3000 * mm}, 0, 6000 * mm, true, 0},
        {"kerf between and behind", {2400 * mm, 2400 * mm}, 3 * mm, 6000 * mm, true, 1194 * mm},
        {"filled with a kerf between, none behind", {2998500, 2998500}, 3 * mm, 6000 * mm, true, 0},
        {"less than a kerf left", {2998 * mm, 2998 * mm}, 3 * mm, 6000 * mm, true, 0},
        {"one unit too long with the kerf", {2998501, 2998500}, 3 * mm, 6000 * mm, false, 0},
        {"one piece the whole bar", {6000 * mm}, 3 * mm, 6000 * mm, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitsBar(c.cuts, c.kerf, c.stock), c.fits) << c.name;
        if (c.fits) {
            EXPECT_EQ(OffcutOf(c.cuts, c.kerf, c.stock), c.offcut) << c.name;
        }
    }
}

TEST(CuttingPlan, LengthsRoundToAThousandthOfAMillimetre) {
    EXPECT_EQ(ToUnits(2400.0004), 2400000);
    EXPECT_EQ(ToUnits(0.1 + 0.2), 300);
    EXPECT_THROW(ToUnits(-1), std::invalid_argument);
    EXPECT_THROW(ToUnits(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
}

// The plans the planner must find, checked for validity and for the length bought.
TEST(PlanCuts, KnownPlans) {
    struct Case {
        const char* name;
        CuttingProblem problem;
        Units bought;
        std::vector<Demand> oversized;
    } const cases[] = {
        {"pieces fill two bars exactly",
         Buying({6000 * mm}, 0, {{3000 * mm, 2}, {2000 * mm, 3}}),
         12000 * mm,
         {}},
        {"a kerf makes a third bar needed",
         Buying({6000 * mm}, 5 * mm, {{3000 * mm, 2}, {2000 * mm, 3}}),
         18000 * mm,
         {}},
        {"kerf but the pieces fill bars with a kerf between",
         Buying({6000 * mm}, 3 * mm, {{1998 * mm, 6}}),
         12000 * mm,
         {}},
        {"the shorter stock where it suffices",
         Buying({6000 * mm, 12000 * mm}, 0, {{5000 * mm, 1}, {7500 * mm, 1}}),
         18000 * mm,
         {}},
        {"two short bars rather than one long",
         Buying({6000 * mm, 12000 * mm}, 3 * mm, {{5900 * mm, 2}}),
         12000 * mm,
         {}},
        {"one long bar rather than three short",
         Buying({5000 * mm, 12000 * mm}, 0, {{4000 * mm, 3}}),
         12000 * mm,
         {}},
        {"a piece longer than every stock is reported, the rest planned",
         Buying({6000 * mm, 12000 * mm}, 3 * mm, {{13000 * mm, 2}, {2000 * mm, 2}}),
         6000 * mm,
         {{13000 * mm, 2}}},
        {"nothing to plan but the oversized",
         Buying({6000 * mm}, 0, {{6000 * mm + 1, 1}}),
         0,
         {{6000 * mm + 1, 1}}},
    };
    for (const Case& c : cases) {
        const CuttingPlan plan = PlanCuts(c.problem);
        EXPECT_EQ(CheckPlan(c.problem, plan), "") << c.name;
        EXPECT_EQ(BoughtLength(plan), c.bought) << c.name;
        EXPECT_EQ(plan.Oversized, c.oversized) << c.name;
        EXPECT_LE(plan.LowerBound, BoughtLength(plan)) << c.name;
    }
}

TEST(PlanCuts, RefusesProblemsWithoutMeaning) {
    const CuttingProblem wrong[] = {
        Buying({}, 0, {{100, 1}}),   Buying({0}, 0, {{100, 1}}),     Buying({1000}, -1, {{100, 1}}),
        Buying({1000}, 0, {{0, 1}}), Buying({1000}, 0, {{100, -1}}), {{{1000, -1, false}}, 0, {{100, 1}}},
    };
    for (const CuttingProblem& problem : wrong) {
        EXPECT_THROW(PlanCuts(problem), std::invalid_argument);
    }
}

// The checker the other tests rely on must see each kind of fault.
TEST(CheckPlan, FindsEachFault) {
    const CuttingProblem problem{{{1000, std::nullopt, false}, {2000, std::nullopt, false}, {1000, 1, true}},
                                 10,
                                 {{600, 2}, {2500, 1}}};
    const CuttingPlan right{{{1000, {600}, 390}, {1000, {600}, 390}}, {{2500, 1}}, {}, 0};
    ASSERT_EQ(CheckPlan(problem, right), "");
    struct Case {
        const char* name;
        CuttingPlan plan;
    } const faults[] = {
        {"no stock length", {{{1500, {600}, 890}, {1000, {600}, 390}}, {{2500, 1}}, {}, 0}},
        {"kerf between cuts missing", {{{1000, {600, 600}, 0}}, {{2500, 1}}, {}, 0}},
        {"kerf behind the last cut missing", {{{1000, {600}, 400}, {1000, {600}, 390}}, {{2500, 1}}, {}, 0}},
        {"a piece cut twice",
         {{{1000, {600}, 390}, {1000, {600}, 390}, {1000, {600}, 390}}, {{2500, 1}}, {}, 0}},
        {"a piece not cut", {{{1000, {600}, 390}}, {{2500, 1}}, {}, 0}},
        {"the long piece not reported", {{{1000, {600}, 390}, {1000, {600}, 390}}, {}, {}, 0}},
        {"an empty bar", {{{1000, {600}, 390}, {1000, {600}, 390}, {1000, {}, 1000}}, {{2500, 1}}, {}, 0}},
        {"a bar of a kind the problem has not",
         {{{1000, {600}, 390}, {1000, {600}, 390, 3}}, {{2500, 1}}, {}, 0}},
        {"a bar of another length than its kind",
         {{{1000, {600}, 390}, {1000, {600}, 390, 1}}, {{2500, 1}}, {}, 0}},
        {"a bar on hand of a kind to buy",
         {{{1000, {600}, 390}, {1000, {600}, 390, 0, true}}, {{2500, 1}}, {}, 0}},
        {"a bar on hand said to be bought",
         {{{1000, {600}, 390}, {1000, {600}, 390, 2}}, {{2500, 1}}, {}, 0}},
        {"more bars on hand than the rack has",
         {{{1000, {600}, 390, 2, true}, {1000, {600}, 390, 2, true}}, {{2500, 1}}, {}, 0}},
        {"a piece neither cut nor uncovered", {{{1000, {600}, 390, 2, true}}, {{2500, 1}}, {}, 0}},
        {"a piece both cut and uncovered",
         {{{1000, {600}, 390}, {1000, {600}, 390}}, {{2500, 1}}, {{600, 1}}, 0}},
        {"a bound above what is bought", {{{1000, {600}, 390}, {1000, {600}, 390}}, {{2500, 1}}, {}, 3000}},
        {"proved optimal above the bound",
         {{{1000, {600}, 390}, {1000, {600}, 390}}, {{2500, 1}}, {}, 1000, true}},
    };
    for (const Case& c : faults) {
        EXPECT_NE(CheckPlan(problem, c.plan), "") << c.name;
    }
}

// The least length any plan buys, over every way of sharing the pieces among bars.
Units BruteForceBought(const CuttingProblem& problem) {
    std::vector<Units> stocks;
    for (const StockKind& kind : problem.Stocks) {
        stocks.push_back(kind.Length);
    }
    std::sort(stocks.begin(), stocks.end());
    std::vector<Units> pieces;
    for (const Demand& d : problem.Pieces) {
        if (d.Length <= stocks.back()) {
            pieces.insert(pieces.end(), static_cast<std::size_t>(d.Count), d.Length);
        }
    }
    std::vector<std::vector<Units>> bars;
    Units best = pieces.empty() ? 0 : std::numeric_limits<Units>::max();
    std::function<void(std::size_t)> place = [&](std::size_t next) {
        if (next == pieces.size()) {
            Units bought = 0;
            for (const auto& bar : bars) {
                auto stock = std::find_if(stocks.begin(), stocks.end(),
                                          [&](Units s) { return FitsBar(bar, problem.Kerf, s); });
                if (stock == stocks.end()) {
                    return;
                }
                bought += *stock;
            }
            best = std::min(best, bought);
            return;
        }
        for (std::size_t b = 0; b <= bars.size(); ++b) {
            if (b == bars.size()) {
                bars.emplace_back();
            }
            bars[b].push_back(pieces[next]);
            place(next + 1);
            bars[b].pop_back();
            if (bars[b].empty()) {
                bars.pop_back();
            }
        }
    };
    place(0);
    return best;
}

TEST(PlanCuts, SmallInstancesBuyWhatTheBruteForceFinds) {
    std::mt19937_64 random(26);
    for (int instance = 0; instance < 300; ++instance) {
        CuttingProblem problem;
        const int stocks = 1 + instance % 3;
        for (int s = 0; s < stocks; ++s) {
            problem.Stocks.push_back(
                {std::uniform_int_distribution<Units>(800, 2000)(random), std::nullopt, false});
        }
        problem.Kerf = instance % 2 == 0 ? 0 : std::uniform_int_distribution<Units>(1, 40)(random);
        const int pieces = std::uniform_int_distribution<int>(1, 8)(random);
        for (int p = 0; p < pieces; ++p) {
            problem.Pieces.push_back({std::uniform_int_distribution<Units>(150, 1200)(random), 1});
        }
        const CuttingPlan plan = PlanCuts(problem);
        ASSERT_EQ(CheckPlan(problem, plan), "") << "instance " << instance;
        ASSERT_EQ(BoughtLength(plan), BruteForceBought(problem)) << "instance " << instance;
    }
}

// An order the search cannot prove optimal, so that it runs through every budget: the plan must
// not depend on how fast the machine got through them, with or without a busy thread beside it.
TEST(PlanCuts, TheSamePlanOnEveryRunHoweverBusyTheMachine) {
    std::mt19937_64 random(4);
    CuttingProblem problem = Buying({1000}, 0, {});
    for (int p = 0; p < 100; ++p) {
        problem.Pieces.push_back({std::uniform_int_distribution<Units>(150, 200)(random), 1});
    }
    const CuttingPlan first = PlanCuts(problem);
    std::atomic<bool> busy{true};
    std::thread beside([&busy] {
        volatile std::uint64_t spin = 0;
        while (busy.load()) {
            spin = spin * 6364136223846793005u + 1;
        }
    });
    const CuttingPlan second = PlanCuts(problem);
    busy = false;
    beside.join();
    ASSERT_FALSE(first.ProvedOptimal);
    if (first.StoppedEarly || second.StoppedEarly) {
        GTEST_SKIP() << "the safety clock fired: this build is far slower than the budgets are made for";
    }
    EXPECT_EQ(first.Bars, second.Bars);
    EXPECT_EQ(first.LowerBound, second.LowerBound);
}

// A cancel, here at the first report of progress, ends the search with the plan in hand, which
// is still a whole plan of every piece.
TEST(PlanCuts, ACancelKeepsTheBestPlanFoundSoFar) {
    std::mt19937_64 random(4);
    CuttingProblem problem = Buying({1000}, 0, {});
    for (int p = 0; p < 100; ++p) {
        problem.Pieces.push_back({std::uniform_int_distribution<Units>(150, 200)(random), 1});
    }
    int reports = 0;
    PlanControl* self = nullptr;
    PlanControl control([&](const PlanProgress& progress) {
        ++reports;
        EXPECT_LE(progress.Done, progress.Total);
        EXPECT_LE(progress.LowerBound, progress.Bought);
        self->Cancel();
    });
    self = &control;
    const CuttingPlan plan = PlanCuts(problem, &control);
    EXPECT_EQ(CheckPlan(problem, plan), "");
    EXPECT_TRUE(plan.Cancelled);
    EXPECT_FALSE(plan.StoppedEarly);
    EXPECT_GE(reports, 1);
}

} // namespace
} // namespace volcalc::cutting
