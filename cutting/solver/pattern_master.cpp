// SPDX-License-Identifier: GPL-3.0-or-later
#include "pattern_master.h"

#include "solver_guard.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>

namespace volcalc::cutting {

namespace {

// The effort of a node of the branch and bound, beyond its simplex iterations.
constexpr std::int64_t EffortPerNode = 2000;

struct SearchStart {
    std::vector<double> Values; // GLPK's columns count from 1
    double Enough = 0;
    bool Given = false;
    std::int64_t Iterations = 0; // the problem's count when the search began
    std::int64_t PerIteration = 0;
    std::int64_t Allowed = 0; // effort
    std::int64_t Spent = 0;
    bool Stopped = false; // at the limit
};

void OnSearchEvent(glp_tree* tree, void* info) {
    auto* start = static_cast<SearchStart*>(info);
    int active = 0;
    int nodes = 0;
    int total = 0;
    glp_ios_tree_size(tree, &active, &nodes, &total);
    start->Spent = (glp_get_it_cnt(glp_ios_get_prob(tree)) - start->Iterations) * start->PerIteration +
                   std::int64_t{total} * EffortPerNode;
    if (start->Spent >= start->Allowed && !start->Stopped) {
        start->Stopped = true;
        glp_ios_terminate(tree);
        return;
    }
    switch (glp_ios_reason(tree)) {
    case GLP_IHEUR:
        if (!start->Given) {
            start->Given = true;
            glp_ios_heur_sol(tree, start->Values.data());
        }
        break;
    case GLP_IBINGO:
        if (glp_mip_obj_val(glp_ios_get_prob(tree)) <= start->Enough + 1e-6) {
            glp_ios_terminate(tree);
        }
        break;
    default:
        break;
    }
}

struct SimplexCall {
    glp_prob* Problem;
    const glp_smcp* Options;
    int Result = 0;
};

int GuardedSimplex(glp_prob* problem, const glp_smcp& options) {
    SimplexCall call{problem, &options};
    RunGuarded(
        [](void* data) {
            auto* c = static_cast<SimplexCall*>(data);
            c->Result = glp_simplex(c->Problem, c->Options);
        },
        &call);
    return call.Result;
}

struct IntoptCall {
    glp_prob* Problem;
    const glp_iocp* Options;
};

void GuardedIntopt(glp_prob* problem, const glp_iocp& options) {
    IntoptCall call{problem, &options};
    RunGuarded(
        [](void* data) {
            auto* c = static_cast<IntoptCall*>(data);
            glp_intopt(c->Problem, c->Options);
        },
        &call);
}

} // namespace

PatternMaster::PatternMaster(std::span<const std::int64_t> demands)
    : m_problem(glp_create_prob()), m_resets(SolverResets()) {
    glp_term_out(GLP_OFF);
    glp_set_obj_dir(m_problem, GLP_MIN);
    glp_add_rows(m_problem, static_cast<int>(demands.size()));
    SetDemands(demands);
}

void PatternMaster::SetDemands(std::span<const std::int64_t> demands) {
    for (std::size_t i = 0; i < demands.size(); ++i) {
        glp_set_row_bnds(m_problem, static_cast<int>(i) + 1, GLP_LO, static_cast<double>(demands[i]), 0.0);
    }
}

PatternMaster::~PatternMaster() {
    if (m_resets == SolverResets()) {
        glp_delete_prob(m_problem);
    }
}

bool PatternMaster::Add(const Pattern& pattern, std::int64_t cost) {
    if (!m_known.emplace(pattern, m_patterns.size()).second) {
        return false;
    }
    m_patterns.push_back(pattern);
    const int column = glp_add_cols(m_problem, 1);
    glp_set_col_bnds(m_problem, column, GLP_LO, 0.0, 0.0);
    glp_set_obj_coef(m_problem, column, static_cast<double>(cost));
    std::vector<int> rows{0};
    std::vector<double> counts{0.0};
    for (std::size_t i = 0; i < pattern.Counts.size(); ++i) {
        if (pattern.Counts[i] > 0) {
            rows.push_back(static_cast<int>(i) + 1);
            counts.push_back(static_cast<double>(pattern.Counts[i]));
        }
    }
    glp_set_mat_col(m_problem, column, static_cast<int>(rows.size()) - 1, rows.data(), counts.data());
    return true;
}

std::optional<std::size_t> PatternMaster::IndexOf(const Pattern& pattern) const {
    const auto known = m_known.find(pattern);
    if (known == m_known.end()) {
        return std::nullopt;
    }
    return known->second;
}

std::int64_t PatternMaster::EffortPerIteration() const {
    return 32 + 8 * std::int64_t{glp_get_num_rows(m_problem)};
}

bool PatternMaster::SolveRelaxation(StepLimit limit) {
    const std::int64_t iterations = limit.Left() / EffortPerIteration();
    if (iterations <= 0) {
        return false;
    }
    glp_smcp options;
    glp_init_smcp(&options);
    options.msg_lev = GLP_MSG_OFF;
    options.it_lim = static_cast<int>(std::min<std::int64_t>(iterations, 1'000'000'000));
    // Only the safety net: the iteration limit is what stops the simplex.
    options.tm_lim = limit.Effort->MillisecondsLeft();
    const int before = glp_get_it_cnt(m_problem);
    bool solved = GuardedSimplex(m_problem, options) == 0 && glp_get_status(m_problem) == GLP_OPT;
    if (!solved) {
        // A warm start that went wrong gets one more try from scratch.
        glp_std_basis(m_problem);
        solved = GuardedSimplex(m_problem, options) == 0 && glp_get_status(m_problem) == GLP_OPT;
    }
    limit.Effort->Spend((glp_get_it_cnt(m_problem) - before) * EffortPerIteration());
    limit.Effort->Look();
    return solved;
}

double PatternMaster::RelaxedCost() const {
    return glp_get_obj_val(m_problem);
}

std::vector<double> PatternMaster::Prices() const {
    std::vector<double> prices(static_cast<std::size_t>(glp_get_num_rows(m_problem)));
    for (std::size_t i = 0; i < prices.size(); ++i) {
        prices[i] = glp_get_row_dual(m_problem, static_cast<int>(i) + 1);
    }
    return prices;
}

std::vector<double> PatternMaster::RelaxedCounts() const {
    std::vector<double> counts(m_patterns.size());
    for (std::size_t j = 0; j < counts.size(); ++j) {
        counts[j] = glp_get_col_prim(m_problem, static_cast<int>(j) + 1);
    }
    return counts;
}

std::optional<PatternMaster::WholeBars> PatternMaster::SolveInteger(std::span<const std::int64_t> start,
                                                                    double enough, StepLimit limit) {
    if (limit.Left() <= 0) {
        return std::nullopt;
    }
    SearchStart search{{0.0},       enough, start.empty(), glp_get_it_cnt(m_problem), EffortPerIteration(),
                       limit.Left()};
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        glp_set_col_kind(m_problem, static_cast<int>(j) + 1, GLP_IV);
        search.Values.push_back(j < start.size() ? static_cast<double>(start[j]) : 0.0);
    }
    glp_iocp options;
    glp_init_iocp(&options);
    options.msg_lev = GLP_MSG_OFF;
    // Only the safety net: the effort counted in OnSearchEvent is what stops the search.
    options.tm_lim = limit.Effort->MillisecondsLeft();
    options.cb_func = &OnSearchEvent;
    options.cb_info = &search;
    GuardedIntopt(m_problem, options);
    limit.Effort->Spend(search.Spent);
    limit.Effort->Look();
    const int status = glp_mip_status(m_problem);
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        glp_set_col_kind(m_problem, static_cast<int>(j) + 1, GLP_CV);
    }
    if (status != GLP_OPT && status != GLP_FEAS) {
        return std::nullopt;
    }
    WholeBars bars{std::vector<std::int64_t>(m_patterns.size()), status == GLP_OPT};
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        bars.Counts[j] = std::llround(glp_mip_col_val(m_problem, static_cast<int>(j) + 1));
    }
    return bars;
}

} // namespace volcalc::cutting
