// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_check.h"

#include <algorithm>
#include <map>

namespace volcalc::cutting {

namespace {

std::string CheckBar(const CuttingProblem& problem, const Bar& bar) {
    if (std::find(problem.Stocks.begin(), problem.Stocks.end(), bar.Stock) == problem.Stocks.end()) {
        return "a bar of " + std::to_string(bar.Stock) + " is no stock length";
    }
    if (bar.Cuts.empty()) {
        return "a bar without cuts";
    }
    Units taken = 0;
    for (Units cut : bar.Cuts) {
        taken += cut;
    }
    taken += static_cast<Units>(bar.Cuts.size() - 1) * problem.Kerf;
    if (taken > bar.Stock) {
        return "the cuts of a bar of " + std::to_string(bar.Stock) + " take " + std::to_string(taken);
    }
    const Units left = bar.Stock - taken - problem.Kerf;
    if (bar.Offcut != std::max(Units{0}, left)) {
        return "a bar of " + std::to_string(bar.Stock) + " has an offcut of " + std::to_string(bar.Offcut) +
               " instead of " + std::to_string(std::max(Units{0}, left));
    }
    return {};
}

} // namespace

std::string CheckPlan(const CuttingProblem& problem, const CuttingPlan& plan) {
    const Units longest = *std::max_element(problem.Stocks.begin(), problem.Stocks.end());
    std::map<Units, std::int64_t> missing;
    std::map<Units, std::int64_t> unplanned;
    for (const Demand& piece : problem.Pieces) {
        (piece.Length > longest ? unplanned : missing)[piece.Length] += piece.Count;
    }
    for (const Demand& piece : plan.Oversized) {
        unplanned[piece.Length] -= piece.Count;
    }
    for (const Bar& bar : plan.Bars) {
        if (std::string fault = CheckBar(problem, bar); !fault.empty()) {
            return fault;
        }
        for (Units cut : bar.Cuts) {
            --missing[cut];
        }
    }
    for (const auto& [length, count] : missing) {
        if (count != 0) {
            return "pieces of " + std::to_string(length) + " cut " + std::to_string(-count) +
                   " times too few";
        }
    }
    for (const auto& [length, count] : unplanned) {
        if (count != 0) {
            return "pieces of " + std::to_string(length) + " not reported as too long";
        }
    }
    return {};
}

} // namespace volcalc::cutting
