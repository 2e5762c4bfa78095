// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_check.h"

#include <algorithm>
#include <map>

namespace volcalc::cutting {

namespace {

std::string CheckKind(const CuttingProblem& problem, const Bar& bar) {
    if (bar.Kind >= problem.Stocks.size()) {
        return "a bar of stock kind " + std::to_string(bar.Kind) + " that the problem has not";
    }
    const StockKind& kind = problem.Stocks[bar.Kind];
    if (bar.Stock != kind.Length) {
        return "a bar of " + std::to_string(bar.Stock) + " of a stock kind of " + std::to_string(kind.Length);
    }
    if (bar.OnHand != kind.OnHand) {
        return std::string("a bar of ") + std::to_string(bar.Stock) + (bar.OnHand ? " said" : " not said") +
               " to be on hand";
    }
    return {};
}

std::string CheckBar(const CuttingProblem& problem, const Bar& bar) {
    if (std::string fault = CheckKind(problem, bar); !fault.empty()) {
        return fault;
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

std::string CheckLimits(const CuttingProblem& problem, const CuttingPlan& plan) {
    std::vector<std::int64_t> used(problem.Stocks.size(), 0);
    for (const Bar& bar : plan.Bars) {
        ++used[bar.Kind];
    }
    for (std::size_t k = 0; k < used.size(); ++k) {
        const std::optional<std::int64_t>& limit = problem.Stocks[k].Limit;
        if (limit && used[k] > *limit) {
            return std::to_string(used[k]) + " bars of " + std::to_string(problem.Stocks[k].Length) +
                   " cut where " + std::to_string(*limit) + " are to be had";
        }
    }
    return {};
}

std::string CheckBound(const CuttingPlan& plan) {
    const Units bought = BoughtLength(plan);
    if (plan.Uncovered.empty() && plan.LowerBound > bought) {
        return "a lower bound of " + std::to_string(plan.LowerBound) + " above the " +
               std::to_string(bought) + " bought";
    }
    if (plan.ProvedOptimal && plan.LowerBound != bought) {
        return "proved optimal with " + std::to_string(bought) + " bought above the bound of " +
               std::to_string(plan.LowerBound);
    }
    return {};
}

} // namespace

std::string CheckPlan(const CuttingProblem& problem, const CuttingPlan& plan) {
    Units longest = 0;
    for (const StockKind& kind : problem.Stocks) {
        longest = std::max(longest, kind.Length);
    }
    std::map<Units, std::int64_t> missing;
    std::map<Units, std::int64_t> unplanned;
    for (const Demand& piece : problem.Pieces) {
        (piece.Length > longest ? unplanned : missing)[piece.Length] += piece.Count;
    }
    for (const Demand& piece : plan.Oversized) {
        unplanned[piece.Length] -= piece.Count;
    }
    for (const Demand& piece : plan.Uncovered) {
        missing[piece.Length] -= piece.Count;
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
    if (std::string fault = CheckLimits(problem, plan); !fault.empty()) {
        return fault;
    }
    return CheckBound(plan);
}

} // namespace volcalc::cutting
