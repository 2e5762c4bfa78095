// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_search.h"

#include "budget_repacking.h"
#include "first_fit.h"
#include "full_patterns.h"
#include "knapsack_pricing.h"
#include "patterns_of_plan.h"

#include <algorithm>
#include <cmath>

namespace volcalc::cutting {

namespace {

// The effort spent when each step must end (search_effort.h), in the milliseconds the steps were
// given when they stopped on the clock. At 1.6 million steps a millisecond the budgets bought about
// as much search as the clock had given; 2.4 million gives bar completion back what it lost on
// orders of many pieces (average sizes of 500 pieces: 9 of 10 at the bound instead of 4).
constexpr std::int64_t EffortPerMillisecond = 2'400'000;
constexpr std::int64_t FirstRepackEnd = 250 * EffortPerMillisecond;
constexpr std::int64_t PatternEnd = 450 * EffortPerMillisecond;
constexpr std::int64_t ExactEnd = 650 * EffortPerMillisecond;
constexpr std::int64_t RepackEnd = 800 * EffortPerMillisecond;
constexpr std::int64_t DiveEnd = 860 * EffortPerMillisecond;
constexpr std::int64_t TotalEffort = 920 * EffortPerMillisecond;
// A relaxation solved once more after its limit, with the patterns added last.
constexpr std::int64_t LastSolveEffort = 20 * EffortPerMillisecond;
// Only a guard against a machine far slower than the budgets were made for: processor time of
// the planning thread.
constexpr auto SafetyTime = std::chrono::milliseconds(10'000);

// Below this reduced cost a pattern is not worth adding: the relaxation's own tolerance.
constexpr double CostTolerance = 1e-7;
constexpr double Whole = 1e-6;
constexpr std::size_t EnumerationLimit = 5000;
// The most counts of pieces per length that the patterns of a plan in hand may spell out: an
// order of a million pieces of thousands of lengths cuts its bars by more patterns than the
// master can take in its time or memory, and those that cut the most bars matter most.
constexpr std::size_t PlanPatternCells = std::size_t{1} << 20;

std::int64_t RoundUp(double cost) {
    return static_cast<std::int64_t>(std::ceil(cost - Whole));
}

} // namespace

PlanSearch::PlanSearch(const PlannedPieces& pieces, PlanControl* control)
    : m_pieces(pieces), m_effort(control, SafetyTime), m_master(pieces.Counts) {}

void PlanSearch::Report() {
    m_effort.Report(TotalEffort, m_pieces.CostOf(m_best) * m_pieces.CostUnit, m_bound * m_pieces.CostUnit);
}

std::vector<OpenBar> PlanSearch::Run() {
    QuickPlans();
    MaterialBound();
    if (Done()) {
        return m_best;
    }
    // A small order is solved exactly below; a large one is first repacked towards the material
    // bound, which ends the search at once for orders of perfectly filled bars.
    const bool everyPattern = AddEveryPattern();
    Report();
    if (!everyPattern) {
        Offer(RepackBars(m_pieces, m_best, m_bound, Until(FirstRepackEnd), true));
        m_soughtBound = m_bound;
        Report();
    }
    if (Done()) {
        return m_best;
    }
    AddBestPatterns();
    if (GeneratePatterns(m_pieces.Counts, Until(PatternEnd)) == Relaxation::Converged) {
        m_bound = std::max(m_bound, RoundUp(m_master.RelaxedCost()));
        RoundDown();
    }
    Report();
    if (everyPattern && !Done()) {
        SearchWholeBars(Until(ExactEnd), true);
        Report();
    }
    if (!Done()) {
        // A plan at a bound sought in vain before is not sought first again.
        Offer(RepackBars(m_pieces, m_best, m_bound, Until(RepackEnd), m_bound != m_soughtBound));
        Report();
    }
    if (!Done()) {
        Dive(Until(DiveEnd));
        Report();
    }
    if (!Done()) {
        SearchWholeBars(Until(TotalEffort), everyPattern);
    }
    return m_best;
}

void PlanSearch::Offer(std::vector<OpenBar> bars) {
    ShortenBars(bars, m_pieces.Stocks, m_pieces.Kerf);
    if (m_best.empty() || m_pieces.CostOf(bars) < m_pieces.CostOf(m_best)) {
        m_best = std::move(bars);
    }
}

void PlanSearch::QuickPlans() {
    const std::vector<Units> pieces = PiecesOf(m_pieces, m_pieces.Counts);
    for (Units preferred : m_pieces.Stocks) {
        std::vector<OpenBar> bars;
        FillFirstFit(bars, pieces, m_pieces.Stocks, m_pieces.Kerf, preferred);
        Offer(std::move(bars));
    }
}

// The pieces and their kerfs laid end to end in the stock that gives the most room per length
// bought (a bar of length s holds pieces and kerfs of s + kerf).
void PlanSearch::MaterialBound() {
    long double load = 0;
    for (std::size_t i = 0; i < m_pieces.Lengths.size(); ++i) {
        load += static_cast<long double>(m_pieces.Weight(i)) * m_pieces.Counts[i];
    }
    long double cheapest = 1;
    for (std::size_t s = 0; s < m_pieces.Stocks.size(); ++s) {
        cheapest = std::min(cheapest, static_cast<long double>(m_pieces.Stocks[s]) / m_pieces.Capacity(s));
    }
    m_bound = static_cast<std::int64_t>(std::ceil(load * cheapest / m_pieces.CostUnit - 1e-9L));
}

PlanSearch::Relaxation PlanSearch::GeneratePatterns(std::span<const std::int64_t> demands, StepLimit limit) {
    m_master.SetDemands(demands);
    bool proved = true;
    const bool whole =
        std::equal(demands.begin(), demands.end(), m_pieces.Counts.begin(), m_pieces.Counts.end());
    while (m_master.SolveRelaxation(limit)) {
        const double relaxed = m_master.RelaxedCost();
        double worth = 0;
        if (!AddPricedPatterns(demands, proved, worth)) {
            return proved ? Relaxation::Converged : Relaxation::Solved;
        }
        // Farley's bound: the prices scaled down until no pattern is worth more than it costs are
        // feasible for the whole relaxation, so it costs at least this much; once that rounds up
        // to what the relaxation in hand does, more patterns cannot raise the bound.
        if (whole && proved && worth > 0) {
            m_bound = std::max(m_bound, RoundUp(relaxed / std::max(1.0, worth)));
            if (m_bound >= RoundUp(relaxed)) {
                return Relaxation::Converged;
            }
        }
        if (limit.Reached()) {
            // The patterns just added count once the relaxation is solved again, a little beyond the
            // limit.
            return m_master.SolveRelaxation(limit.Beyond(LastSolveEffort)) ? Relaxation::Solved
                                                                           : Relaxation::Failed;
        }
    }
    return Relaxation::Failed;
}

// Adds, for each stock, the pattern the master's prices make most worth having; false when none
// improves the relaxation. `proved` turns false when a pricing search stopped at its limit;
// `worth` is the most any pattern is worth per cost unit at the master's prices.
bool PlanSearch::AddPricedPatterns(std::span<const std::int64_t> demands, bool& proved, double& worth) {
    const std::vector<double> prices = m_master.Prices();
    std::vector<KnapsackItem> items;
    for (std::size_t i = 0; i < m_pieces.Lengths.size(); ++i) {
        items.push_back({m_pieces.Weight(i), prices[i], demands[i]});
    }
    std::vector<Units> capacities;
    for (std::size_t s = 0; s < m_pieces.Stocks.size(); ++s) {
        capacities.push_back(m_pieces.Capacity(s));
    }
    std::vector<KnapsackResult> found = SolveKnapsacks(items, capacities);
    bool added = false;
    for (std::size_t s = 0; s < m_pieces.Stocks.size(); ++s) {
        KnapsackResult& best = found[s];
        m_effort.Spend(best.Work);
        proved = proved && best.Proved;
        worth = std::max(worth, best.Value / static_cast<double>(m_pieces.CostOf(m_pieces.Stocks[s])));
        Pattern pattern{s, std::move(best.Counts)};
        const double reduced = static_cast<double>(m_pieces.CostOf(pattern)) - best.Value;
        if (reduced < -CostTolerance) {
            added = m_master.Add(pattern, m_pieces.CostOf(pattern)) || added;
        }
    }
    return added;
}

// Each pattern as many whole times as the relaxation uses it, the pieces still missing first fit.
void PlanSearch::RoundDown() {
    const std::vector<double> relaxed = m_master.RelaxedCounts();
    std::vector<std::int64_t> times;
    for (double count : relaxed) {
        times.push_back(static_cast<std::int64_t>(std::floor(count + Whole)));
    }
    std::vector<std::int64_t> left = m_pieces.Counts;
    std::vector<OpenBar> bars = BarsOf(times, left);
    FillFirstFit(bars, PiecesOf(m_pieces, left), m_pieces.Stocks, m_pieces.Kerf, m_pieces.Stocks.back());
    Offer(std::move(bars));
}

void PlanSearch::Dive(StepLimit limit) {
    std::vector<std::int64_t> left = m_pieces.Counts;
    std::vector<OpenBar> bars;
    std::int64_t fixed = 0;
    while (std::any_of(left.begin(), left.end(), [](std::int64_t n) { return n > 0; }) && !limit.Reached()) {
        const Relaxation relaxation = GeneratePatterns(left, limit);
        if (relaxation == Relaxation::Failed ||
            (relaxation == Relaxation::Converged &&
             fixed + RoundUp(m_master.RelaxedCost()) >= m_pieces.CostOf(m_best))) {
            break;
        }
        const std::vector<double> relaxed = m_master.RelaxedCounts();
        std::vector<std::pair<std::size_t, std::int64_t>> chosen;
        for (std::size_t j = 0; j < relaxed.size(); ++j) {
            if (relaxed[j] >= 1 - Whole) {
                chosen.emplace_back(j, static_cast<std::int64_t>(std::floor(relaxed[j] + Whole)));
            }
        }
        if (chosen.empty()) {
            chosen.emplace_back(std::max_element(relaxed.begin(), relaxed.end()) - relaxed.begin(), 1);
        }
        for (const auto& [j, times] : chosen) {
            for (std::int64_t n = 0; n < times; ++n) {
                OpenBar bar = BarOf(m_pieces, m_master.Patterns()[j], left);
                if (!bar.Cuts.empty()) {
                    fixed += m_pieces.CostOf(bar.Stock);
                    bars.push_back(std::move(bar));
                }
            }
        }
    }
    m_master.SetDemands(m_pieces.Counts);
    if (bars.empty()) {
        return; // first fit of every piece: the first plan already
    }
    FillFirstFit(bars, PiecesOf(m_pieces, left), m_pieces.Stocks, m_pieces.Kerf, m_pieces.Stocks.back());
    Offer(std::move(bars));
}

// A branch and bound in whole bars over the patterns known; with every full pattern among them,
// an answer it proves is the optimum, and its cost the bound.
void PlanSearch::SearchWholeBars(StepLimit limit, bool everyPattern) {
    const std::vector<std::int64_t> start = AddBestPatterns();
    m_master.SetDemands(m_pieces.Counts);
    if (!m_master.SolveRelaxation(limit)) {
        return;
    }
    const auto found = m_master.SolveInteger(start, static_cast<double>(m_bound), limit);
    if (!found) {
        return;
    }
    std::vector<std::int64_t> left = m_pieces.Counts;
    Offer(BarsOf(found->Counts, left));
    if (everyPattern && found->Proved) {
        m_bound = std::max(m_bound, m_pieces.CostOf(m_best));
    }
}

// The patterns of the plan in hand, as many as the budget allows; the bars per pattern that cut
// that plan, or nothing when some of its patterns were left out.
std::vector<std::int64_t> PlanSearch::AddBestPatterns() {
    const std::size_t most = std::max<std::size_t>(1, PlanPatternCells / m_pieces.Lengths.size());
    const std::vector<UsedPattern> used = PatternsOfPlan(m_pieces, m_best, most);
    for (const UsedPattern& pattern : used) {
        m_master.Add(pattern.Cut, m_pieces.CostOf(pattern.Cut));
    }
    std::vector<std::int64_t> start(m_master.Patterns().size(), 0);
    std::size_t bars = 0;
    for (const UsedPattern& pattern : used) {
        start[*m_master.IndexOf(pattern.Cut)] += pattern.Bars;
        bars += static_cast<std::size_t>(pattern.Bars);
    }
    if (bars < m_best.size()) {
        start.clear();
    }
    return start;
}

// Each known pattern cut as many times as given, of the pieces `left`, which it takes.
std::vector<OpenBar> PlanSearch::BarsOf(std::span<const std::int64_t> times,
                                        std::vector<std::int64_t>& left) const {
    std::vector<OpenBar> bars;
    for (std::size_t j = 0; j < times.size(); ++j) {
        for (std::int64_t n = 0; n < times[j]; ++n) {
            bars.push_back(BarOf(m_pieces, m_master.Patterns()[j], left));
        }
    }
    std::erase_if(bars, [](const OpenBar& bar) { return bar.Cuts.empty(); });
    return bars;
}

// Every full pattern, when there are few: over them the branch and bound misses no plan.
bool PlanSearch::AddEveryPattern() {
    const auto every = EveryFullPattern(m_pieces, EnumerationLimit);
    if (every) {
        for (const Pattern& pattern : *every) {
            m_master.Add(pattern, m_pieces.CostOf(pattern));
        }
    }
    return every.has_value();
}

} // namespace volcalc::cutting
