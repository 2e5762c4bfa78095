// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The master problem of column generation: how many bars to cut by each known pattern so that
// every piece length is cut often enough, at the least cost. Its relaxation gives the prices
// that the pricing step turns into new patterns; the same problem with whole numbers of bars
// gives the plan. Backed by GLPK; its solving calls throw SolverError (solver_guard.h).

#include "search_effort.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

struct glp_prob;

namespace volcalc::cutting {

// How many pieces of each length one bar of the given stock yields.
struct Pattern {
    std::size_t Stock = 0;
    std::vector<std::int64_t> Counts;

    auto operator<=>(const Pattern&) const = default;
};

class PatternMaster {
public:
    explicit PatternMaster(std::span<const std::int64_t> demands);
    ~PatternMaster();
    PatternMaster(const PatternMaster&) = delete;
    PatternMaster& operator=(const PatternMaster&) = delete;

    // Pieces of each length to cut, in place of those given before.
    void SetDemands(std::span<const std::int64_t> demands);

    // False when the pattern is known already.
    bool Add(const Pattern& pattern, std::int64_t cost);
    bool Knows(const Pattern& pattern) const { return m_known.contains(pattern); }
    std::optional<std::size_t> IndexOf(const Pattern& pattern) const;
    const std::vector<Pattern>& Patterns() const { return m_patterns; }

    // True when the relaxation was solved to optimality within the limit. Each simplex iteration
    // counts for an effort that grows with the rows.
    bool SolveRelaxation(StepLimit limit);
    double RelaxedCost() const;
    std::vector<double> Prices() const;        // per piece length
    std::vector<double> RelaxedCounts() const; // per pattern

    // Bars per pattern in whole numbers, starting from a known solution (none when empty), until one costs no
    // more than `enough` or the limit (the start itself when nothing better was found); nothing when the
    // search failed. Its simplex iterations and nodes count towards the limit.
    struct WholeBars {
        std::vector<std::int64_t> Counts; // per pattern
        bool Proved = false;              // no whole numbers over these patterns cost less
    };
    std::optional<WholeBars> SolveInteger(std::span<const std::int64_t> start, double enough,
                                          StepLimit limit);

private:
    std::int64_t EffortPerIteration() const;

    glp_prob* m_problem;
    std::uint64_t m_resets; // SolverResets when the problem was made
    std::vector<Pattern> m_patterns;
    std::map<Pattern, std::size_t> m_known; // to its place in m_patterns
};

} // namespace volcalc::cutting
