// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cuts.h"

#include "cutting/solver/bar_merging.h"
#include "cutting/solver/kind_first_fit.h"
#include "cutting/solver/kind_search.h"
#include "cutting/solver/offcut_gathering.h"
#include "cutting/solver/open_bar.h"
#include "cutting/solver/plan_search.h"
#include "cutting/solver/planned_pieces.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <tuple>

namespace volcalc::cutting {

namespace {

// Beyond this many pieces, the costs the search of stock kinds weighs may no longer be exact in
// the solver's floating point; such orders keep their first plan.
constexpr std::size_t KindSearchPieces = 20000;
// Only a guard against a machine far slower than the budgets were made for.
constexpr auto SafetyTime = std::chrono::seconds(10);

void CheckProblem(const CuttingProblem& problem) {
    if (problem.Stocks.empty()) {
        throw std::invalid_argument("no stock length");
    }
    if (problem.Kerf < 0 || std::any_of(problem.Stocks.begin(), problem.Stocks.end(), [](const StockKind& s) {
            return s.Length <= 0 || s.Limit.value_or(0) < 0;
        })) {
        throw std::invalid_argument("stock lengths must be positive, limits and the kerf not negative");
    }
    for (const Demand& piece : problem.Pieces) {
        if (piece.Length <= 0 || piece.Count < 0) {
            throw std::invalid_argument("piece lengths must be positive and counts not negative");
        }
    }
}

bool OnlyBuying(const CuttingProblem& problem) {
    return std::none_of(problem.Stocks.begin(), problem.Stocks.end(),
                        [](const StockKind& s) { return s.OnHand || s.Limit; });
}

std::vector<Units> LengthsOf(std::span<const StockKind> kinds) {
    std::vector<Units> lengths;
    for (const StockKind& kind : kinds) {
        lengths.push_back(kind.Length);
    }
    return lengths;
}

// Bars on hand first, then those bought, longest first in each, each bar's cuts longest first.
void SortBars(std::vector<Bar>& bars) {
    std::sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) {
        return std::tie(b.OnHand, a.Stock, a.Kind, a.Cuts) > std::tie(a.OnHand, b.Stock, b.Kind, b.Cuts);
    });
}

// Stock of lengths to buy without limit: the search of plan_search.h.
void PlanBought(const CuttingProblem& problem, CuttingPlan& plan, PlanControl* control) {
    const PlannedPieces pieces =
        MakePlannedPieces(LengthsOf(problem.Stocks), problem.Kerf, problem.Pieces, plan.Oversized);
    if (pieces.Lengths.empty()) {
        plan.ProvedOptimal = true;
        return;
    }
    std::vector<OpenBar> bars;
    {
        PlanSearch search(pieces, control);
        bars = search.Run();
        plan.LowerBound = search.Bound() * pieces.CostUnit;
        plan.StoppedEarly = search.StoppedEarly();
    }
    // GLPK keeps its working memory between problems; none of it is needed after a plan.
    glp_free_env();
    MergeBars(bars, pieces.Stocks, pieces.Kerf);
    plan.Bars = FinishBars(std::move(bars), pieces.Kerf);
    for (Bar& bar : plan.Bars) {
        bar.Kind = static_cast<std::size_t>(
            std::find_if(problem.Stocks.begin(), problem.Stocks.end(),
                         [&](const StockKind& kind) { return kind.Length == bar.Stock; }) -
            problem.Stocks.begin());
    }
}

// The pieces and kerfs that the rack cannot hold, laid end to end in the stock to buy that gives
// the most room per length bought.
Units MaterialBound(const CuttingProblem& problem, std::span<const Units> pieces) {
    long double load = 0;
    for (Units piece : pieces) {
        load += static_cast<long double>(piece + problem.Kerf);
    }
    long double cheapest = 0;
    for (const StockKind& kind : problem.Stocks) {
        if (kind.OnHand) {
            load -=
                static_cast<long double>(kind.Length + problem.Kerf) * static_cast<long double>(*kind.Limit);
        } else {
            const long double ratio =
                static_cast<long double>(kind.Length) / static_cast<long double>(kind.Length + problem.Kerf);
            cheapest = cheapest == 0 ? ratio : std::min(cheapest, ratio);
        }
    }
    if (load <= 0 || cheapest == 0) {
        return 0;
    }
    // What is bought adds up whole stock lengths, so a multiple of their common divisor.
    Units unit = 0;
    for (const StockKind& kind : problem.Stocks) {
        unit = kind.OnHand ? unit : std::gcd(unit, kind.Length);
    }
    const auto least = static_cast<Units>(std::ceil(load * cheapest - 1e-9L));
    return (least + unit - 1) / unit * unit;
}

// Stock on hand or limited in number: the first plan, then the search of kind_search.h where the
// order is small enough for its costs to stay exact in the solver's arithmetic.
void PlanKinds(const CuttingProblem& problem, CuttingPlan& plan, PlanControl* control) {
    const PlannedPieces planned =
        MakePlannedPieces(LengthsOf(problem.Stocks), problem.Kerf, problem.Pieces, plan.Oversized);
    const std::vector<Units> pieces = PiecesOf(planned, planned.Counts);
    KindPlan found = FillKindsFirstFit(problem.Stocks, problem.Kerf, pieces);
    Units searchBound = 0;
    if (!pieces.empty() && pieces.size() <= KindSearchPieces) {
        SearchEffort effort(control, SafetyTime);
        KindSearchResult searched = SearchKinds(planned, problem.Stocks, std::move(found), effort);
        found = std::move(searched.Plan);
        searchBound = searched.LowerBound;
        plan.StoppedEarly = effort.ClockFired();
    }
    for (const KindBar& bar : found.Bars) {
        std::vector<Units> cuts = bar.Bar.Cuts;
        std::sort(cuts.begin(), cuts.end(), std::greater<>());
        const Units offcut = OffcutOf(cuts, problem.Kerf, bar.Bar.Stock);
        plan.Bars.push_back(
            {bar.Bar.Stock, std::move(cuts), offcut, bar.Kind, problem.Stocks[bar.Kind].OnHand});
    }
    for (Units piece : found.Uncovered) {
        if (plan.Uncovered.empty() || plan.Uncovered.back().Length != piece) {
            plan.Uncovered.push_back({piece, 0});
        }
        ++plan.Uncovered.back().Count;
    }
    if (found.Uncovered.empty()) {
        plan.LowerBound = std::max(MaterialBound(problem, pieces), searchBound);
    }
}

} // namespace

CuttingPlan PlanCuts(const CuttingProblem& problem, PlanControl* control) {
    CheckProblem(problem);
    CuttingPlan plan;
    if (OnlyBuying(problem)) {
        PlanBought(problem, plan, control);
    } else {
        PlanKinds(problem, plan, control);
    }
    GatherOffcuts(plan.Bars, problem.Kerf);
    SortBars(plan.Bars);
    plan.ProvedOptimal = plan.Uncovered.empty() && BoughtLength(plan) == plan.LowerBound;
    plan.Cancelled = control != nullptr && control->Cancelled();
    return plan;
}

} // namespace volcalc::cutting
