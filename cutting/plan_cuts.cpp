// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cuts.h"

#include "cutting/solver/open_bar.h"
#include "cutting/solver/plan_search.h"
#include "cutting/solver/planned_pieces.h"

#include <glpk.h>

#include <algorithm>
#include <stdexcept>

namespace volcalc::cutting {

namespace {

void CheckProblem(const CuttingProblem& problem) {
    if (problem.Stocks.empty()) {
        throw std::invalid_argument("no stock length");
    }
    if (problem.Kerf < 0 ||
        std::any_of(problem.Stocks.begin(), problem.Stocks.end(), [](Units s) { return s <= 0; })) {
        throw std::invalid_argument("stock lengths must be positive and the kerf not negative");
    }
    for (const Demand& piece : problem.Pieces) {
        if (piece.Length <= 0 || piece.Count < 0) {
            throw std::invalid_argument("piece lengths must be positive and counts not negative");
        }
    }
}

} // namespace

CuttingPlan PlanCuts(const CuttingProblem& problem) {
    CheckProblem(problem);
    CuttingPlan plan;
    const PlannedPieces pieces = MakePlannedPieces(problem, plan.Oversized);
    if (pieces.Lengths.empty()) {
        return plan;
    }
    std::vector<OpenBar> bars;
    {
        PlanSearch search(pieces);
        bars = search.Run();
        plan.LowerBound = search.Bound() * pieces.CostUnit;
    }
    // GLPK keeps its working memory between problems; none of it is needed after a plan.
    glp_free_env();
    plan.Bars = FinishBars(std::move(bars), pieces.Kerf);
    return plan;
}

} // namespace volcalc::cutting
