// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts list's rows as pieces to order, and the texts both front ends show of an order.

#include "calc/parts_list.h"
#include "order_plan.h"

#include <optional>
#include <string>

namespace volcalc::cutting {

// What the row orders (see OrderItemOf): its parameters read as typed in its length unit and
// turned into millimetres. Nothing for a row whose parameters do not read as numbers.
std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row);

// "2400" or "2400.5": millimetres with at most three decimals, no trailing zeros.
std::string LengthText(Units length, char separator = '.');

// "a=50; b=50; c=5": the cross-section with the shape's parameter letters where it has them.
std::string CrossSectionText(const OrderGroup& group, char separator = '.');

// "Angle a=50; b=50; c=5, Steel"; a standard section's designation stands for its cross-section.
std::string GroupText(const OrderGroup& group, char separator = '.');

// "3 × 6000: 2400 + 2400 + 1150, offcut 41".
std::string BarRunText(const BarRun& run, char separator = '.');

// "Angle a=50; b=50; c=5, Steel: 2 pieces of 13000 mm are longer than every stock length".
std::string OversizedText(const OrderGroup& group, const Demand& pieces, char separator = '.');

} // namespace volcalc::cutting
