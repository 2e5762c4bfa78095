// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts list's rows as pieces to order.

#include "calc/parts_list.h"
#include "order_plan.h"

#include <optional>

namespace volcalc::cutting {

// What the row orders (see OrderItemOf): its parameters read as typed in its length unit and
// turned into millimetres. Nothing for a row whose parameters do not read as numbers.
std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row);

} // namespace volcalc::cutting
