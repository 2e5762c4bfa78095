// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order as the JSON document's member "order": [...], written a value at a time exactly as
// the library's two-space dump of the whole array would be, so that an order of millions of
// pieces takes time in proportion to its size and is never held as one text.

#include "calc/units.h"
#include "cutting/order_plan.h"

#include <ostream>
#include <span>

namespace volcalc::cli {

// The member at the document's indentation, after a line break.
void WriteOrderJsonMember(std::ostream& out, std::span<const cutting::GroupOrder> orders, cutting::Units kerf,
                          MassUnit massUnit);

} // namespace volcalc::cli
