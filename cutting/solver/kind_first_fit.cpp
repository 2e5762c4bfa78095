// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_first_fit.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace volcalc::cutting {

namespace {

constexpr std::int64_t Unlimited = std::numeric_limits<std::int64_t>::max();

// The kind a new bar for this load is cut from: the shortest on hand, else the longest to buy.
std::optional<std::size_t> KindToOpen(std::span<const StockKind> kinds, std::span<const std::int64_t> left,
                                      Units load, Units kerf) {
    std::optional<std::size_t> onHand;
    std::optional<std::size_t> bought;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (left[k] <= 0 || load > kinds[k].Length + kerf) {
            continue;
        }
        std::optional<std::size_t>& best = kinds[k].OnHand ? onHand : bought;
        if (!best || (kinds[k].OnHand ? kinds[k].Length < kinds[*best].Length
                                      : kinds[k].Length > kinds[*best].Length)) {
            best = k;
        }
    }
    return onHand ? onHand : bought;
}

// Each bought bar moved to the shortest kind to buy, still to be had, that takes its pieces.
void ShortenBought(std::span<const StockKind> kinds, std::vector<std::int64_t>& left, Units kerf,
                   std::vector<KindBar>& bars) {
    for (KindBar& bar : bars) {
        if (kinds[bar.Kind].OnHand) {
            continue;
        }
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if (!kinds[k].OnHand && left[k] > 0 && kinds[k].Length < kinds[bar.Kind].Length &&
                bar.Bar.Load <= kinds[k].Length + kerf) {
                ++left[bar.Kind];
                --left[k];
                bar.Kind = k;
                bar.Bar.Stock = kinds[k].Length;
            }
        }
    }
}

} // namespace

KindPlan FillKindsFirstFit(std::span<const StockKind> kinds, Units kerf, std::vector<Units> pieces) {
    std::sort(pieces.begin(), pieces.end(), std::greater<>());
    std::vector<std::int64_t> left;
    for (const StockKind& kind : kinds) {
        left.push_back(kind.Limit.value_or(Unlimited));
    }
    KindPlan plan;
    for (Units piece : pieces) {
        const Units weight = piece + kerf;
        KindBar* best = nullptr;
        for (KindBar& bar : plan.Bars) {
            const Units room = bar.Bar.Stock + kerf - bar.Bar.Load;
            if (room >= weight && (best == nullptr || room < best->Bar.Stock + kerf - best->Bar.Load)) {
                best = &bar;
            }
        }
        if (best == nullptr) {
            const std::optional<std::size_t> kind = KindToOpen(kinds, left, weight, kerf);
            if (!kind) {
                plan.Uncovered.push_back(piece);
                continue;
            }
            --left[*kind];
            plan.Bars.push_back({*kind, {kinds[*kind].Length, 0, {}}});
            best = &plan.Bars.back();
        }
        best->Bar.Load += weight;
        best->Bar.Cuts.push_back(piece);
    }
    ShortenBought(kinds, left, kerf, plan.Bars);
    return plan;
}

Units BoughtLength(std::span<const StockKind> kinds, const KindPlan& plan) {
    Units total = 0;
    for (const KindBar& bar : plan.Bars) {
        total += kinds[bar.Kind].OnHand ? 0 : kinds[bar.Kind].Length;
    }
    return total;
}

} // namespace volcalc::cutting
