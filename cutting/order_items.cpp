// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_items.h"

#include <algorithm>
#include <cmath>

namespace volcalc::cutting {

namespace {

bool InRange(double millimetres) {
    return millimetres >= 0 && millimetres <= LongestMillimetres;
}

// Thousandths of a millimetre as a double, so that a cross-section beyond the planner's range
// still compares.
std::vector<double> SectionKey(std::span<const double> crossSection) {
    std::vector<double> key;
    for (double value : crossSection) {
        key.push_back(InRange(value) ? static_cast<double>(ToUnits(value)) : value);
    }
    return key;
}

// One price for the whole group, so that every bar bought is priced alike.
bool SameGroup(const OrderGroup& group, const OrderItem& item) {
    return group.Shape == item.Shape && group.Material == item.Material &&
           group.TypedDensity == item.TypedDensity && group.Density == item.Density &&
           group.PricePerKg == item.PricePerKg &&
           SectionKey(group.CrossSection) == SectionKey(item.CrossSection);
}

std::optional<Unplannable> WhyUnplannable(const OrderItem& item) {
    if (!std::all_of(item.CrossSection.begin(), item.CrossSection.end(), InRange)) {
        return Unplannable::CrossSection;
    }
    if (!InRange(item.Length)) {
        return Unplannable::Longer;
    }
    if (ToUnits(item.Length) == 0) {
        return Unplannable::Shorter;
    }
    return std::nullopt;
}

void AddUnplanned(OrderGroup& group, const OrderItem& item, Unplannable reason) {
    auto same = std::find_if(group.Unplanned.begin(), group.Unplanned.end(), [&](const UnplannedPieces& u) {
        return u.Length == item.Length && u.Reason == reason;
    });
    if (same == group.Unplanned.end()) {
        group.Unplanned.push_back({item.Length, item.Quantity, reason});
    } else {
        same->Count += item.Quantity;
    }
}

void AddPlanned(OrderGroup& group, const OrderItem& item) {
    const Units length = ToUnits(item.Length);
    auto same = std::find_if(group.Pieces.begin(), group.Pieces.end(),
                             [&](const Demand& d) { return d.Length == length; });
    if (same == group.Pieces.end()) {
        group.Pieces.push_back({length, item.Quantity});
    } else {
        same->Count += item.Quantity;
    }
    if (!item.Mark.empty() || !group.Marks.empty()) {
        if (group.Marks.empty()) {
            // The pieces met before the first mark are pieces without one.
            for (const Demand& piece : group.Pieces) {
                group.Marks.push_back(
                    {piece.Length, {}, piece.Length == length ? piece.Count - item.Quantity : piece.Count});
            }
        }
        group.Marks.push_back({length, item.Mark, item.Quantity});
    }
    group.NetMass += item.PieceMass * static_cast<double>(item.Quantity);
    group.NetLength += length * item.Quantity;
}

} // namespace

std::optional<OrderItem> OrderItemOf(const CalculatedPiece& piece) {
    const std::optional<std::size_t> lengthAt = piece.Shape.BarLength;
    if (piece.Aperture || !lengthAt || *lengthAt >= piece.Parameters.size() ||
        !(piece.Parameters[*lengthAt] > 0) ||
        std::any_of(piece.Parameters.begin(), piece.Parameters.end(),
                    [](double value) { return !(value >= 0 && std::isfinite(value)); })) {
        return std::nullopt;
    }
    OrderItem item{std::string(piece.Shape.DisplayName),
                   {},
                   piece.Parameters[*lengthAt],
                   piece.Quantity,
                   std::string(piece.Material),
                   piece.PieceMass,
                   piece.PricePerKg,
                   piece.TypedDensity,
                   piece.Density};
    for (std::size_t i = 0; i < piece.Parameters.size(); ++i) {
        if (i != *lengthAt) {
            item.CrossSection.push_back(piece.Parameters[i]);
            if (i < piece.Shape.Parameters.size()) {
                item.Letters.push_back(piece.Shape.Parameters[i].Letter);
            }
        }
    }
    return item;
}

std::vector<OrderGroup> GroupOrderItems(std::span<const OrderItem> items) {
    std::vector<OrderGroup> groups;
    for (const OrderItem& item : items) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const OrderGroup& g) { return SameGroup(g, item); });
        if (group == groups.end()) {
            groups.push_back({item.Shape,
                              item.CrossSection,
                              item.Material,
                              item.PricePerKg,
                              {},
                              {},
                              0,
                              0,
                              item.TypedDensity,
                              item.Density,
                              item.Letters});
            group = groups.end() - 1;
        }
        if (const auto reason = WhyUnplannable(item)) {
            AddUnplanned(*group, item, *reason);
        } else {
            AddPlanned(*group, item);
        }
    }
    return groups;
}

} // namespace volcalc::cutting
