// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_cuts.h"

#include "bar_filling.h"
#include "knapsack.h"
#include "pattern_master.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <stdexcept>

namespace volcalc::cutting {

namespace {

using Clock = std::chrono::steady_clock;

// Time for the patterns, and for the search in whole bars after them.
constexpr auto PatternTime = std::chrono::milliseconds(350);
constexpr auto TotalTime = std::chrono::milliseconds(650);

// Below this reduced cost a pattern is not worth adding: the relaxation's own tolerance.
constexpr double CostTolerance = 1e-7;

// The planned pieces: distinct lengths, longest first, with their counts; stock lengths
// ascending; costs counted in the largest length every stock is a whole multiple of, so that
// the cost of a plan is a whole number.
struct Instance {
    std::vector<Units> Stocks;
    Units Kerf = 0;
    std::vector<Units> Lengths;
    std::vector<std::int64_t> Counts;
    Units CostUnit = 0;

    std::int64_t CostOf(Units stock) const { return stock / CostUnit; }
};

void CheckProblem(const CuttingProblem& problem) {
    if (problem.Stocks.empty()) {
        throw std::invalid_argument("no stock length");
    }
    if (problem.Kerf < 0 || std::any_of(problem.Stocks.begin(), problem.Stocks.end(), [](Units s) { return s <= 0; })) {
        throw std::invalid_argument("stock lengths must be positive and the kerf not negative");
    }
    for (const Demand& piece : problem.Pieces) {
        if (piece.Length <= 0 || piece.Count < 0) {
            throw std::invalid_argument("piece lengths must be positive and counts not negative");
        }
    }
}

Instance MakeInstance(const CuttingProblem& problem, std::vector<Demand>& oversized) {
    Instance instance{problem.Stocks, problem.Kerf, {}, {}, 0};
    std::sort(instance.Stocks.begin(), instance.Stocks.end());
    instance.Stocks.erase(std::unique(instance.Stocks.begin(), instance.Stocks.end()), instance.Stocks.end());
    for (Units stock : instance.Stocks) {
        instance.CostUnit = std::gcd(instance.CostUnit, stock);
    }
    std::map<Units, std::int64_t, std::greater<>> counts;
    for (const Demand& piece : problem.Pieces) {
        if (piece.Count > 0) {
            counts[piece.Length] += piece.Count;
        }
    }
    for (const auto& [length, count] : counts) {
        if (length > instance.Stocks.back()) {
            oversized.push_back({length, count});
        } else {
            instance.Lengths.push_back(length);
            instance.Counts.push_back(count);
        }
    }
    return instance;
}

std::vector<Units> EveryPiece(const Instance& instance) {
    std::vector<Units> pieces;
    for (std::size_t i = 0; i < instance.Lengths.size(); ++i) {
        pieces.insert(pieces.end(), static_cast<std::size_t>(instance.Counts[i]), instance.Lengths[i]);
    }
    return pieces;
}

// First fit decreasing opening bars of each stock length in turn, each bar then shortened;
// the plan that buys least.
std::vector<OpenBar> QuickPlan(const Instance& instance) {
    const std::vector<Units> pieces = EveryPiece(instance);
    std::vector<OpenBar> best;
    for (Units preferred : instance.Stocks) {
        std::vector<OpenBar> bars;
        FillFirstFit(bars, pieces, instance.Stocks, instance.Kerf, preferred);
        ShortenBars(bars, instance.Stocks, instance.Kerf);
        if (best.empty() || StockLength(bars) < StockLength(best)) {
            best = std::move(bars);
        }
    }
    return best;
}

// No plan buys less: the pieces and their kerfs laid end to end in the stock that gives the
// most length per length bought (a bar of length s holds pieces and kerfs of s + kerf).
std::int64_t MaterialBound(const Instance& instance) {
    long double load = 0;
    for (std::size_t i = 0; i < instance.Lengths.size(); ++i) {
        load += static_cast<long double>(instance.Lengths[i] + instance.Kerf) * instance.Counts[i];
    }
    long double cheapest = 1;
    for (Units stock : instance.Stocks) {
        cheapest = std::min(cheapest, static_cast<long double>(stock) / (stock + instance.Kerf));
    }
    return static_cast<std::int64_t>(std::ceil(load * cheapest / instance.CostUnit - 1e-9L));
}

std::int64_t CostOf(const Instance& instance, const std::vector<OpenBar>& bars) {
    return StockLength(bars) / instance.CostUnit;
}

Pattern PatternOf(const Instance& instance, const OpenBar& bar) {
    Pattern pattern{static_cast<std::size_t>(
                        std::lower_bound(instance.Stocks.begin(), instance.Stocks.end(), bar.Stock) -
                        instance.Stocks.begin()),
                    std::vector<std::int64_t>(instance.Lengths.size(), 0)};
    for (Units cut : bar.Cuts) {
        const auto at = std::lower_bound(instance.Lengths.begin(), instance.Lengths.end(), cut, std::greater<>());
        ++pattern.Counts[static_cast<std::size_t>(at - instance.Lengths.begin())];
    }
    return pattern;
}

void AddBars(PatternMaster& master, const Instance& instance, const std::vector<OpenBar>& bars) {
    for (const OpenBar& bar : bars) {
        master.Add(PatternOf(instance, bar), instance.CostOf(bar.Stock));
    }
}

// Bars cut by each pattern as often as given, with what they cut beyond the demand taken out.
std::vector<OpenBar> BarsOf(const Instance& instance, const std::vector<Pattern>& patterns,
                            std::span<const std::int64_t> times) {
    std::vector<OpenBar> bars;
    for (std::size_t j = 0; j < patterns.size(); ++j) {
        OpenBar bar{instance.Stocks[patterns[j].Stock], 0, {}};
        for (std::size_t i = 0; i < instance.Lengths.size(); ++i) {
            bar.Cuts.insert(bar.Cuts.end(), static_cast<std::size_t>(patterns[j].Counts[i]), instance.Lengths[i]);
            bar.Load += patterns[j].Counts[i] * (instance.Lengths[i] + instance.Kerf);
        }
        bars.insert(bars.end(), static_cast<std::size_t>(times[j]), bar);
    }
    RemoveSurplus(bars, instance.Lengths, instance.Counts, instance.Kerf);
    ShortenBars(bars, instance.Stocks, instance.Kerf);
    return bars;
}

// Adds the pattern of each stock that the master's prices make most worth having; false when
// none improves the relaxation. `proved` turns false when a pricing search stopped at its limit.
bool AddPricedPatterns(PatternMaster& master, const Instance& instance, bool& proved) {
    const std::vector<double> prices = master.Prices();
    bool added = false;
    for (std::size_t s = 0; s < instance.Stocks.size(); ++s) {
        std::vector<KnapsackItem> items;
        for (std::size_t i = 0; i < instance.Lengths.size(); ++i) {
            items.push_back({instance.Lengths[i] + instance.Kerf, prices[i], instance.Counts[i]});
        }
        KnapsackResult best = SolveKnapsack(items, instance.Stocks[s] + instance.Kerf);
        proved = proved && best.Proved;
        const double reduced = static_cast<double>(instance.CostOf(instance.Stocks[s])) - best.Value;
        if (reduced < -CostTolerance) {
            added = master.Add({s, std::move(best.Counts)}, instance.CostOf(instance.Stocks[s])) || added;
        }
    }
    return added;
}

// Pattern counts of the relaxation rounded down, the pieces still missing filled in first fit.
std::vector<OpenBar> RoundedRelaxation(const PatternMaster& master, const Instance& instance) {
    const std::vector<double> relaxed = master.RelaxedCounts();
    std::vector<std::int64_t> whole(relaxed.size());
    std::transform(relaxed.begin(), relaxed.end(), whole.begin(),
                   [](double x) { return static_cast<std::int64_t>(std::floor(x + 1e-9)); });
    std::vector<OpenBar> bars = BarsOf(instance, master.Patterns(), whole);
    std::vector<std::int64_t> missing = instance.Counts;
    for (const OpenBar& bar : bars) {
        const Pattern pattern = PatternOf(instance, bar);
        for (std::size_t i = 0; i < missing.size(); ++i) {
            missing[i] -= pattern.Counts[i];
        }
    }
    std::vector<Units> pieces;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        pieces.insert(pieces.end(), static_cast<std::size_t>(missing[i]), instance.Lengths[i]);
    }
    for (OpenBar& bar : bars) {
        bar.Stock = instance.Stocks.back(); // room for the missing pieces; shortened again below
    }
    FillFirstFit(bars, pieces, instance.Stocks, instance.Kerf, instance.Stocks.back());
    ShortenBars(bars, instance.Stocks, instance.Kerf);
    return bars;
}

// Every pattern no piece can be added to, while there are at most `limit`: with them all, the
// search in whole bars misses no plan. Small orders have few; false when there are more.
class PatternEnumeration {
public:
    PatternEnumeration(const Instance& instance, std::size_t limit) : m_instance(instance), m_limit(limit) {}

    bool Run() {
        for (std::size_t s = 0; s < m_instance.Stocks.size(); ++s) {
            m_current = {s, std::vector<std::int64_t>(m_instance.Lengths.size(), 0)};
            Branch(0, m_instance.Stocks[s] + m_instance.Kerf);
        }
        return m_patterns.size() <= m_limit && m_nodes <= NodeLimit;
    }
    const std::vector<Pattern>& Patterns() const { return m_patterns; }

private:
    Units Weight(std::size_t i) const { return m_instance.Lengths[i] + m_instance.Kerf; }

    void Branch(std::size_t i, Units room) {
        if (m_patterns.size() > m_limit || ++m_nodes > NodeLimit) {
            return;
        }
        if (i == m_instance.Lengths.size()) {
            for (std::size_t j = 0; j < i; ++j) {
                if (m_current.Counts[j] < m_instance.Counts[j] && Weight(j) <= room) {
                    return;
                }
            }
            m_patterns.push_back(m_current);
            return;
        }
        for (std::int64_t n = std::min(m_instance.Counts[i], room / Weight(i)); n >= 0; --n) {
            m_current.Counts[i] = n;
            Branch(i + 1, room - n * Weight(i));
        }
        m_current.Counts[i] = 0;
    }

    // Patterns that leave room are dropped only at the end, so the search may pass many.
    static constexpr std::int64_t NodeLimit = 400'000;

    const Instance& m_instance;
    std::size_t m_limit;
    std::int64_t m_nodes = 0;
    Pattern m_current;
    std::vector<Pattern> m_patterns;
};

constexpr std::size_t EnumerationLimit = 5000;

int MillisecondsUntil(Clock::time_point end) {
    return static_cast<int>(
        std::max<std::int64_t>(1, std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count()));
}

// The search itself: the quick plan, improved while the lower bound is not reached.
std::vector<OpenBar> SearchPlan(const Instance& instance, std::int64_t& bound) {
    const Clock::time_point started = Clock::now();
    std::vector<OpenBar> best = QuickPlan(instance);
    bound = MaterialBound(instance);
    if (CostOf(instance, best) <= bound) {
        return best;
    }
    PatternMaster master(instance.Counts);
    AddBars(master, instance, best);
    bool converged = false;
    bool proved = true;
    while (Clock::now() - started < PatternTime) {
        if (!master.SolveRelaxation(MillisecondsUntil(started + PatternTime))) {
            break;
        }
        if (!AddPricedPatterns(master, instance, proved)) {
            converged = proved;
            break;
        }
    }
    if (converged) {
        bound = std::max(bound, static_cast<std::int64_t>(std::ceil(master.RelaxedCost() - 1e-6)));
    }
    if (CostOf(instance, best) <= bound) {
        return best;
    }
    if (converged) {
        std::vector<OpenBar> rounded = RoundedRelaxation(master, instance);
        if (CostOf(instance, rounded) < CostOf(instance, best)) {
            best = std::move(rounded);
        }
    }
    if (CostOf(instance, best) <= bound) {
        return best;
    }
    AddBars(master, instance, best);
    if (PatternEnumeration every(instance, EnumerationLimit); every.Run()) {
        for (const Pattern& pattern : every.Patterns()) {
            master.Add(pattern, instance.CostOf(instance.Stocks[pattern.Stock]));
        }
    }
    if (!master.SolveRelaxation(MillisecondsUntil(started + TotalTime))) {
        return best;
    }
    std::vector<std::int64_t> start(master.Patterns().size(), 0);
    for (const OpenBar& bar : best) {
        const auto at = std::find(master.Patterns().begin(), master.Patterns().end(), PatternOf(instance, bar));
        ++start[static_cast<std::size_t>(at - master.Patterns().begin())];
    }
    const auto found =
        master.SolveInteger(start, static_cast<double>(bound), MillisecondsUntil(started + TotalTime));
    if (found) {
        std::vector<OpenBar> searched = BarsOf(instance, master.Patterns(), *found);
        if (CostOf(instance, searched) < CostOf(instance, best)) {
            best = std::move(searched);
        }
    }
    return best;
}

} // namespace

CuttingPlan PlanCuts(const CuttingProblem& problem) {
    CheckProblem(problem);
    CuttingPlan plan;
    const Instance instance = MakeInstance(problem, plan.Oversized);
    if (instance.Lengths.empty()) {
        return plan;
    }
    std::int64_t bound = 0;
    std::vector<OpenBar> bars = SearchPlan(instance, bound);
    // GLPK keeps its working memory between problems; nothing of it is needed after a plan.
    glp_free_env();
    plan.LowerBound = bound * instance.CostUnit;
    plan.Bars = FinishBars(std::move(bars), instance.Kerf);
    return plan;
}

} // namespace volcalc::cutting
