// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order as the JSON document's members "purchase" and "order", written a value at a time exactly as
// the library's two-space dump of the whole array would be, so that an order of millions of
// pieces takes time in proportion to its size and is never held as one text.

#include "calc/units.h"
#include "cutting/order_plan.h"

#include <ostream>
#include <span>

namespace volcalc::cli {

// The members "purchase": {...} (the whole order's bars per stock length and in total, with
// mass and cost) and "order": [...] (each group: its purchase, the rack's bars it cuts in
// "from_stock", the bars to buy in "bars", masses, cost, "lower_bound" in bars for one stock
// length and in millimetres for several, "proved_optimal", "remnants", "scrap" and the pieces
// "not_covered"), at the document's indentation, after a line break.
void WriteOrderJsonMember(std::ostream& out, std::span<const cutting::GroupOrder> orders,
                          const cutting::OrderSettings& settings, MassUnit massUnit);

} // namespace volcalc::cli
