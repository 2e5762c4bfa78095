// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_plan.h"

#include "plan_cuts.h"

namespace volcalc::cutting {

namespace {

std::vector<GroupOrder> PlanGroups(std::span<const OrderItem> items, const OrderSettings& settings,
                                   PlanControl* control) {
    std::vector<GroupOrder> orders;
    std::vector<OrderGroup> groups = GroupOrderItems(items);
    for (OrderGroup& group : groups) {
        if (control != nullptr) {
            control->EnterGroup(orders.size(), groups.size());
        }
        GroupOrder order{std::move(group), {}, 0, 0, 0, std::nullopt};
        order.Plan = PlanCuts({BuyableStocks(settings.Stocks), settings.Kerf, order.Group.Pieces}, control);
        Units planned = order.Group.NetLength;
        for (const Demand& piece : order.Plan.Oversized) {
            planned -= piece.Length * piece.Count;
            order.Group.Unplanned.push_back({ToMillimetres(piece.Length), piece.Count, Unplannable::Longer});
        }
        const Units bought = BoughtLength(order.Plan);
        Units offcuts = 0;
        for (const Bar& bar : order.Plan.Bars) {
            offcuts += bar.Offcut;
        }
        if (order.Group.NetLength > 0) {
            // One cross-section of one material: mass goes with length.
            const double perUnit = order.Group.NetMass / static_cast<double>(order.Group.NetLength);
            order.NetMass = perUnit * static_cast<double>(planned);
            order.GrossMass = perUnit * static_cast<double>(bought);
        }
        if (bought > 0) {
            order.OffcutShare = static_cast<double>(offcuts) / static_cast<double>(bought);
        }
        if (order.Group.PricePerKg) {
            order.Cost = *order.Group.PricePerKg * order.GrossMass;
        }
        orders.push_back(std::move(order));
    }
    return orders;
}

} // namespace

std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings) {
    return PlanGroups(items, settings, nullptr);
}

std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings,
                                  PlanControl& control) {
    return PlanGroups(items, settings, &control);
}

} // namespace volcalc::cutting
