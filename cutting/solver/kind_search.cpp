// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_search.h"

#include "full_patterns.h"
#include "knapsack_pricing.h"
#include "solver_guard.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>

namespace volcalc::cutting {

namespace {

// The effort spent when each step must end (search_effort.h).
constexpr std::int64_t PatternEnd = 300'000'000;
constexpr std::int64_t WholeEnd = 700'000'000;
constexpr std::int64_t EnumerationLimit = 5000;
constexpr std::int64_t EffortPerNode = 2000;
constexpr double CostTolerance = 1e-7;
constexpr double Whole = 1e-6;

struct KindPattern {
    std::size_t Kind = 0;
    std::vector<std::int64_t> Counts;

    auto operator<=>(const KindPattern&) const = default;
};

struct IntegerSearch {
    std::vector<double> Start; // GLPK's columns count from 1
    bool Given = false;
    std::int64_t Iterations = 0;
    std::int64_t PerIteration = 0;
    std::int64_t Allowed = 0;
    std::int64_t Spent = 0;
    bool Stopped = false;
};

void OnIntegerEvent(glp_tree* tree, void* info) {
    auto* search = static_cast<IntegerSearch*>(info);
    int active = 0;
    int nodes = 0;
    int total = 0;
    glp_ios_tree_size(tree, &active, &nodes, &total);
    search->Spent = (glp_get_it_cnt(glp_ios_get_prob(tree)) - search->Iterations) * search->PerIteration +
                    std::int64_t{total} * EffortPerNode;
    if (search->Spent >= search->Allowed && !search->Stopped) {
        search->Stopped = true;
        glp_ios_terminate(tree);
        return;
    }
    if (glp_ios_reason(tree) == GLP_IHEUR && !search->Given) {
        search->Given = true;
        glp_ios_heur_sol(tree, search->Start.data());
    }
}

class KindSearch {
public:
    KindSearch(const PlannedPieces& pieces, std::span<const StockKind> kinds, SearchEffort& effort);
    ~KindSearch();
    KindSearch(const KindSearch&) = delete;
    KindSearch& operator=(const KindSearch&) = delete;

    KindSearchResult Run(KindPlan first);

private:
    std::int64_t Cost(std::size_t kind) const {
        return m_kinds[kind].OnHand ? 0 : m_kinds[kind].Length / m_costUnit;
    }
    std::int64_t EffortPerIteration() const { return 32 + 8 * std::int64_t{glp_get_num_rows(m_lp)}; }
    void SetObjective(bool byBars);
    bool Add(const KindPattern& pattern);
    bool Solve(StepLimit limit);
    bool Price(bool& proved);
    bool GeneratePatterns(StepLimit limit);
    bool AddEveryPattern();
    std::vector<double> StartOf(const KindPlan& plan);
    std::optional<KindPlan> SolveWhole(const KindPlan& first, StepLimit limit, bool& proved);
    KindPlan PlanOf(std::span<const std::int64_t> times) const;

    const PlannedPieces& m_pieces;
    std::span<const StockKind> m_kinds;
    SearchEffort& m_effort;
    Units m_costUnit = 1;
    std::int64_t m_barWeight = 1; // a cost unit outweighs every count of bars
    glp_prob* m_lp;
    std::uint64_t m_resets;
    std::vector<int> m_kindRow; // 0 for a kind without a limit
    std::vector<KindPattern> m_patterns;
    std::map<KindPattern, std::size_t> m_known;
};

KindSearch::KindSearch(const PlannedPieces& pieces, std::span<const StockKind> kinds, SearchEffort& effort)
    : m_pieces(pieces), m_kinds(kinds), m_effort(effort), m_lp(glp_create_prob()), m_resets(SolverResets()) {
    m_costUnit = 0;
    for (const StockKind& kind : kinds) {
        m_costUnit = kind.OnHand ? m_costUnit : std::gcd(m_costUnit, kind.Length);
    }
    m_costUnit = std::max<Units>(m_costUnit, 1);
    m_barWeight = std::accumulate(pieces.Counts.begin(), pieces.Counts.end(), std::int64_t{1});
    glp_term_out(GLP_OFF);
    glp_set_obj_dir(m_lp, GLP_MIN);
    const int lengths = static_cast<int>(pieces.Lengths.size());
    glp_add_rows(m_lp, lengths);
    glp_add_cols(m_lp, lengths);
    for (int i = 1; i <= lengths; ++i) {
        glp_set_row_bnds(m_lp, i, GLP_LO, static_cast<double>(pieces.Counts[static_cast<std::size_t>(i - 1)]),
                         0);
        // The way out for pieces no bar is left for.
        const int row[] = {0, i};
        const double one[] = {0, 1};
        glp_set_mat_col(m_lp, i, 1, row, one);
        glp_set_col_bnds(m_lp, i, GLP_LO, 0, 0);
    }
    for (const StockKind& kind : kinds) {
        if (!kind.Limit) {
            m_kindRow.push_back(0);
            continue;
        }
        m_kindRow.push_back(glp_add_rows(m_lp, 1));
        glp_set_row_bnds(m_lp, m_kindRow.back(), GLP_UP, 0, static_cast<double>(*kind.Limit));
    }
    SetObjective(false);
}

KindSearch::~KindSearch() {
    if (m_resets == SolverResets()) {
        glp_delete_prob(m_lp);
    }
}

// By bought length alone, for the bound; or with each bar counting for less than a cost unit.
void KindSearch::SetObjective(bool byBars) {
    std::int64_t dearest = 0;
    for (std::size_t k = 0; k < m_kinds.size(); ++k) {
        dearest = std::max(dearest, Cost(k) * (byBars ? m_barWeight : 1) + (byBars ? 1 : 0));
    }
    // A piece left out costs more than every bar of the plan together: it is left out only when no
    // bar can be had for it.
    const double leftOut = static_cast<double>(dearest) * static_cast<double>(m_barWeight) + 1;
    for (std::size_t i = 0; i < m_pieces.Lengths.size(); ++i) {
        glp_set_obj_coef(m_lp, static_cast<int>(i) + 1, leftOut);
    }
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        const std::int64_t cost = Cost(m_patterns[j].Kind) * (byBars ? m_barWeight : 1) + (byBars ? 1 : 0);
        glp_set_obj_coef(m_lp, static_cast<int>(m_pieces.Lengths.size() + j) + 1, static_cast<double>(cost));
    }
}

bool KindSearch::Add(const KindPattern& pattern) {
    if (!m_known.emplace(pattern, m_patterns.size()).second) {
        return false;
    }
    m_patterns.push_back(pattern);
    const int column = glp_add_cols(m_lp, 1);
    glp_set_col_bnds(m_lp, column, GLP_LO, 0, 0);
    glp_set_obj_coef(m_lp, column, static_cast<double>(Cost(pattern.Kind)));
    std::vector<int> rows{0};
    std::vector<double> counts{0};
    for (std::size_t i = 0; i < pattern.Counts.size(); ++i) {
        if (pattern.Counts[i] > 0) {
            rows.push_back(static_cast<int>(i) + 1);
            counts.push_back(static_cast<double>(pattern.Counts[i]));
        }
    }
    if (m_kindRow[pattern.Kind] != 0) {
        rows.push_back(m_kindRow[pattern.Kind]);
        counts.push_back(1);
    }
    glp_set_mat_col(m_lp, column, static_cast<int>(rows.size()) - 1, rows.data(), counts.data());
    return true;
}

struct SimplexCall {
    glp_prob* Problem;
    glp_smcp Options;
    int Result = 0;
};

bool KindSearch::Solve(StepLimit limit) {
    const std::int64_t iterations = limit.Left() / EffortPerIteration();
    if (iterations <= 0) {
        return false;
    }
    SimplexCall call{m_lp, {}};
    glp_init_smcp(&call.Options);
    call.Options.msg_lev = GLP_MSG_OFF;
    call.Options.it_lim = static_cast<int>(std::min<std::int64_t>(iterations, 1'000'000'000));
    call.Options.tm_lim = m_effort.MillisecondsLeft(); // the safety net only
    const int before = glp_get_it_cnt(m_lp);
    RunGuarded(
        [](void* data) {
            auto* c = static_cast<SimplexCall*>(data);
            c->Result = glp_simplex(c->Problem, &c->Options);
        },
        &call);
    m_effort.Spend((glp_get_it_cnt(m_lp) - before) * EffortPerIteration());
    m_effort.Look();
    return call.Result == 0 && glp_get_status(m_lp) == GLP_OPT;
}

// Adds, for each kind, the pattern worth most at the relaxation's prices, when it improves the
// relaxation; false when none does. `proved` turns false when a pricing stopped at its limit.
bool KindSearch::Price(bool& proved) {
    std::vector<KnapsackItem> items;
    for (std::size_t i = 0; i < m_pieces.Lengths.size(); ++i) {
        items.push_back(
            {m_pieces.Weight(i), glp_get_row_dual(m_lp, static_cast<int>(i) + 1), m_pieces.Counts[i]});
    }
    std::vector<Units> capacities;
    for (const StockKind& kind : m_kinds) {
        capacities.push_back(kind.Length + m_pieces.Kerf);
    }
    std::vector<KnapsackResult> found = SolveKnapsacks(items, capacities);
    bool added = false;
    for (std::size_t k = 0; k < m_kinds.size(); ++k) {
        m_effort.Spend(found[k].Work);
        proved = proved && found[k].Proved;
        const double kindPrice = m_kindRow[k] == 0 ? 0.0 : glp_get_row_dual(m_lp, m_kindRow[k]);
        if (static_cast<double>(Cost(k)) - kindPrice - found[k].Value < -CostTolerance) {
            added = Add({k, std::move(found[k].Counts)}) || added;
        }
    }
    return added;
}

// True when the relaxation converged: its cost, rounded up, bounds what is bought.
bool KindSearch::GeneratePatterns(StepLimit limit) {
    bool proved = true;
    while (Solve(limit)) {
        if (!Price(proved)) {
            return proved;
        }
        if (limit.Reached()) {
            return false;
        }
    }
    return false;
}

bool KindSearch::AddEveryPattern() {
    const auto every = EveryFullPattern(m_pieces, EnumerationLimit);
    if (!every) {
        return false;
    }
    for (const Pattern& pattern : *every) {
        for (std::size_t k = 0; k < m_kinds.size(); ++k) {
            if (m_kinds[k].Length == m_pieces.Stocks[pattern.Stock]) {
                Add({k, pattern.Counts});
            }
        }
    }
    return true;
}

std::vector<double> KindSearch::StartOf(const KindPlan& plan) {
    std::vector<double> start(m_pieces.Lengths.size() + 1, 0.0);
    for (Units piece : plan.Uncovered) {
        const auto at = std::find(m_pieces.Lengths.begin(), m_pieces.Lengths.end(), piece);
        start[static_cast<std::size_t>(at - m_pieces.Lengths.begin()) + 1] += 1;
    }
    for (const KindBar& bar : plan.Bars) {
        KindPattern pattern{bar.Kind, PatternOf(m_pieces, bar.Bar).Counts};
        Add(pattern);
        const std::size_t column = m_pieces.Lengths.size() + m_known.at(pattern) + 1;
        start.resize(std::max(start.size(), column + 1), 0.0);
        start[column] += 1;
    }
    start.resize(m_pieces.Lengths.size() + m_patterns.size() + 1, 0.0);
    return start;
}

struct IntoptCall {
    glp_prob* Problem;
    glp_iocp Options;
};

std::optional<KindPlan> KindSearch::SolveWhole(const KindPlan& first, StepLimit limit, bool& proved) {
    IntegerSearch search{StartOf(first), false, 0, 0, 0, 0, false};
    SetObjective(true);
    if (!Solve(limit)) {
        return std::nullopt;
    }
    const int columns = glp_get_num_cols(m_lp);
    for (int j = 1; j <= columns; ++j) {
        glp_set_col_kind(m_lp, j, GLP_IV);
    }
    search.Iterations = glp_get_it_cnt(m_lp);
    search.PerIteration = EffortPerIteration();
    search.Allowed = limit.Left();
    IntoptCall call{m_lp, {}};
    glp_init_iocp(&call.Options);
    call.Options.msg_lev = GLP_MSG_OFF;
    call.Options.tm_lim = m_effort.MillisecondsLeft(); // the safety net only
    call.Options.cb_func = &OnIntegerEvent;
    call.Options.cb_info = &search;
    RunGuarded(
        [](void* data) {
            auto* c = static_cast<IntoptCall*>(data);
            glp_intopt(c->Problem, &c->Options);
        },
        &call);
    m_effort.Spend(search.Spent);
    m_effort.Look();
    const int status = glp_mip_status(m_lp);
    if (status != GLP_OPT && status != GLP_FEAS) {
        return std::nullopt;
    }
    proved = status == GLP_OPT;
    std::vector<std::int64_t> times;
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        times.push_back(
            std::llround(glp_mip_col_val(m_lp, static_cast<int>(m_pieces.Lengths.size() + j) + 1)));
    }
    return PlanOf(times);
}

KindPlan KindSearch::PlanOf(std::span<const std::int64_t> times) const {
    std::vector<std::int64_t> left = m_pieces.Counts;
    KindPlan plan;
    for (std::size_t j = 0; j < times.size(); ++j) {
        const KindPattern& pattern = m_patterns[j];
        for (std::int64_t n = 0; n < times[j]; ++n) {
            OpenBar bar = BarOf(m_pieces, {0, pattern.Counts}, left);
            bar.Stock = m_kinds[pattern.Kind].Length;
            if (!bar.Cuts.empty()) {
                plan.Bars.push_back({pattern.Kind, std::move(bar)});
            }
        }
    }
    plan.Uncovered = PiecesOf(m_pieces, left);
    return plan;
}

// Fewer pieces left out, then less bought, then fewer bars.
auto Rank(std::span<const StockKind> kinds, const KindPlan& plan) {
    return std::make_tuple(plan.Uncovered.size(), BoughtLength(kinds, plan), plan.Bars.size());
}

KindSearchResult KindSearch::Run(KindPlan first) {
    const bool everyPattern = AddEveryPattern();
    StartOf(first);
    KindSearchResult result{std::move(first), 0};
    if (GeneratePatterns({&m_effort, PatternEnd}) || everyPattern) {
        if (glp_get_status(m_lp) == GLP_OPT) {
            result.LowerBound = static_cast<Units>(std::ceil(glp_get_obj_val(m_lp) - Whole)) * m_costUnit;
        }
    }
    bool proved = false;
    if (auto found = SolveWhole(result.Plan, {&m_effort, WholeEnd}, proved)) {
        if (Rank(m_kinds, *found) < Rank(m_kinds, result.Plan)) {
            result.Plan = std::move(*found);
        }
        if (proved && everyPattern && result.Plan.Uncovered.empty()) {
            result.LowerBound = BoughtLength(m_kinds, result.Plan);
        }
    }
    return result;
}

} // namespace

KindSearchResult SearchKinds(const PlannedPieces& pieces, std::span<const StockKind> kinds, KindPlan first,
                             SearchEffort& effort) {
    KindSearchResult result;
    {
        KindSearch search(pieces, kinds, effort);
        result = search.Run(std::move(first));
    }
    glp_free_env();
    return result;
}

} // namespace volcalc::cutting
