// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_items.h"

#include <algorithm>
#include <array>
#include <utility>

namespace volcalc::cutting {

namespace {

constexpr std::array<std::pair<std::string_view, std::size_t>, 7> BarShapes = {{
    {"Hexahedral Bar", 1},
    {"I-Beam", 4},
    {"C channel", 4},
    {"Lip channel", 4},
    {"Angle", 3},
    {"Cylinder", 1},
    {"Pipe", 2},
}};

std::vector<Units> SectionKey(std::span<const double> crossSection) {
    std::vector<Units> key;
    for (double value : crossSection) {
        key.push_back(ToUnits(value));
    }
    return key;
}

bool SameGroup(const OrderGroup& group, const OrderItem& item) {
    return group.Shape == item.Shape && group.Material == item.Material &&
           SectionKey(group.CrossSection) == SectionKey(item.CrossSection);
}

} // namespace

std::optional<std::size_t> BarLengthParameter(std::string_view shape) {
    const auto it =
        std::find_if(BarShapes.begin(), BarShapes.end(), [&](const auto& s) { return s.first == shape; });
    return it == BarShapes.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

std::optional<OrderItem> OrderItemOf(const CalculatedPiece& piece) {
    const auto lengthAt =
        piece.StandardSection ? std::optional<std::size_t>(0) : BarLengthParameter(piece.Shape);
    if (piece.Aperture || !lengthAt || *lengthAt >= piece.Parameters.size() ||
        !(piece.Parameters[*lengthAt] > 0) ||
        std::any_of(piece.Parameters.begin(), piece.Parameters.end(),
                    [](double value) { return !(value >= 0 && value <= LongestMillimetres); })) {
        return std::nullopt;
    }
    OrderItem item{std::string(piece.Shape),
                   {},
                   piece.Parameters[*lengthAt],
                   piece.Quantity,
                   std::string(piece.Material),
                   piece.PieceMass,
                   piece.PricePerKg};
    for (std::size_t i = 0; i < piece.Parameters.size(); ++i) {
        if (i != *lengthAt) {
            item.CrossSection.push_back(piece.Parameters[i]);
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
            groups.push_back({item.Shape, item.CrossSection, item.Material, item.PricePerKg, {}, 0, 0});
            group = groups.end() - 1;
        }
        const Units length = ToUnits(item.Length);
        auto same = std::find_if(group->Pieces.begin(), group->Pieces.end(),
                                 [&](const Demand& d) { return d.Length == length; });
        if (same == group->Pieces.end()) {
            group->Pieces.push_back({length, item.Quantity});
        } else {
            same->Count += item.Quantity;
        }
        group->NetMass += item.PieceMass * static_cast<double>(item.Quantity);
        group->NetLength += length * item.Quantity;
    }
    return groups;
}

} // namespace volcalc::cutting
