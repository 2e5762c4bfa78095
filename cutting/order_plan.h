// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bars to order for a list of pieces: a cutting plan per group, with masses and cost.

#include "order_items.h"
#include "plan_cuts.h"

#include <optional>
#include <span>
#include <vector>

namespace volcalc::cutting {

struct OrderSettings {
    std::vector<Units> Stocks;
    Units Kerf = 0;
};

struct GroupOrder {
    OrderGroup Group;
    CuttingPlan Plan;
    double NetMass = 0;         // kilograms of the pieces planned (the oversized left out)
    double GrossMass = 0;       // kilograms of the bars bought, at the pieces' mass per length
    double OffcutShare = 0;     // of the length bought, what is left as offcuts
    std::optional<double> Cost; // of the bars bought at the group's price, where it has one
};

// One plan per group; the pieces longer than every stock length join the group's Unplanned.
// Throws SolverError as PlanCuts does.
std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings);
// The same, followed and cancelled through `control` (groups after a cancel get their first plan).
std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings,
                                  PlanControl& control);

} // namespace volcalc::cutting
