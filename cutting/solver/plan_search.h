// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search for the plan that buys least, in steps that each stop as soon as the plan in hand
// costs the lower bound:
// 1. first fit decreasing, for each stock length (first_fit.h), and the material laid end to end
//    as a bound;
// 2. a small order has every full pattern listed (full_patterns.h); a large one is repacked
//    towards the bound (budget_repacking.h: bar completion, bar_completion.h, within a budget of
//    stock length);
// 3. column generation: the relaxation of the pattern master (pattern_master.h), which starts from
//    the patterns of the plan in hand (patterns_of_plan.h) and is priced by knapsacks
//    (knapsack_pricing.h), until no pattern improves it (or Farley's bound shows none can raise
//    the bound); its cost rounded up is the bound; then the relaxation rounded down, the rest
//    first fit;
// 4. for a small order, a branch and bound in whole bars over every full pattern, whose proved
//    answer is the optimum;
// 5. repacking by bar completion towards the bound again (unless step 2 sought that bound in
//    vain), then a cost unit below the plan in hand at a time;
// 6. a dive: the patterns the relaxation uses whole (or most) are fixed, the relaxation of what
//    is left is solved again with new patterns, until every piece is placed;
// 7. a branch and bound in whole bars over every pattern generated, for the time left.
// Every plan is kept in the terms of planned_pieces.h and handed back as open bars (open_bar.h).

#include "pattern_master.h"
#include "planned_pieces.h"
#include "search_effort.h"

namespace volcalc::cutting {

class PlanSearch {
public:
    PlanSearch(const PlannedPieces& pieces, PlanControl* control);

    std::vector<OpenBar> Run();
    // In cost units: no plan costs less.
    std::int64_t Bound() const { return m_bound; }
    // The safety clock ended a step before its budget did.
    bool StoppedEarly() const { return m_effort.ClockFired(); }

private:
    enum class Relaxation { Failed, Solved, Converged };

    bool Done() const { return m_pieces.CostOf(m_best) <= m_bound; }
    void Offer(std::vector<OpenBar> bars);
    void QuickPlans();
    void MaterialBound();
    Relaxation GeneratePatterns(std::span<const std::int64_t> demands, StepLimit limit);
    bool AddPricedPatterns(std::span<const std::int64_t> demands, bool& proved, double& worth);
    void RoundDown();
    void Dive(StepLimit limit);
    std::vector<std::int64_t> AddBestPatterns();
    std::vector<OpenBar> BarsOf(std::span<const std::int64_t> times, std::vector<std::int64_t>& left) const;
    bool AddEveryPattern();
    void SearchWholeBars(StepLimit limit, bool everyPattern);
    StepLimit Until(std::int64_t mark) { return {&m_effort, mark}; }
    void Report();

    const PlannedPieces& m_pieces;
    SearchEffort m_effort;
    PatternMaster m_master;
    std::vector<OpenBar> m_best;
    std::int64_t m_bound = 0;
    std::int64_t m_soughtBound = -1; // the bound the first repacking sought a plan at
};

} // namespace volcalc::cutting
