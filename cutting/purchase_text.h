// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The purchase list that heads every form of the order, and what the order says of each group's
// plan beside its bars: how far it may be from the least possible, its offcuts.

#include "calc/units.h"
#include "order_plan.h"

#include <string>
#include <string_view>

namespace volcalc::cutting {

// "18.5": metres with at most six decimals, no trailing zeros.
std::string MetresText(Units length, char separator = '.');

// "proved optimal", "at most 1 bar above the least possible" (one stock length) or "at most
// 1200 mm above the least possible" (several).
std::string BoundText(const GroupOrder& order, const OrderSettings& settings, char separator = '.');

// The fewest bars a group of one stock length can buy, or the least length for several.
Units LowerBoundFigure(const GroupOrder& order, const OrderSettings& settings);

// "purchase:" then a line a group and stock length ("  Angle a=50, Steel: 3 × 6 m, 18 m,
// 45.2 kg, cost 90.40 EUR"), then the totals over all groups per stock length and in all.
std::string PurchaseText(std::span<const GroupOrder> orders, const OrderSettings& settings, MassUnit massUnit,
                         std::string_view currency);

// "  remnants 1200, 800 mm; scrap 41 mm", or nothing when there are no offcuts.
std::string OffcutsText(const GroupOrder& order, char separator = '.');

// The stock length as typed, with its unit: "6 m", "6000 mm".
std::string StockText(Units stock, const OrderSettings& settings, char separator = '.');

} // namespace volcalc::cutting
