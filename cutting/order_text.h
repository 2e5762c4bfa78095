// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts both front ends show of an order: the command line's order section, the window's
// order dialog, its copy, export and printed pages.

#include "calc/units.h"
#include "order_plan.h"

#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cutting {

// Bars of one stock length cut alike, for the same marks, to show once with their count.
struct BarRun {
    Bar Cut;
    std::int64_t Count = 0;
    std::vector<std::string> Marks{}; // of the cuts, where the pieces have marks
};
// `marks` as GroupOrder's: one list a bar, or none.
std::vector<BarRun> IdenticalBars(std::span<const Bar> bars,
                                  std::span<const std::vector<std::string>> marks = {});

// "2400" or "2400.5": millimetres with at most three decimals, no trailing zeros.
std::string LengthText(Units length, char separator = '.');

// A calculated length in millimetres: as LengthText where the planner takes it, otherwise as
// calculated ("0.0004", "200000000"), so that a piece it cannot take is named truthfully.
std::string MillimetreText(double millimetres, char separator = '.');

// "a=50; b=50; c=5": the cross-section with the shape's parameter letters where it has them.
std::string CrossSectionText(const OrderGroup& group, char separator = '.');

// "Angle a=50; b=50; c=5, Steel"; a standard section's designation stands for its cross-section.
std::string GroupText(const OrderGroup& group, char separator = '.');

// "2400 (A1) + 2400 + 1150": the cuts, each with its piece's mark where it has one.
std::string CutsText(const BarRun& run, char separator = '.');

// "3 × 6000: 2400 + 2400 + 1150, offcut 41"; a marked piece "2400 (A1)".
std::string BarRunText(const BarRun& run, char separator = '.');

// "Angle a=50; b=50; c=5, Steel: 2 pieces of 13000 mm are longer than every stock length", or
// shorter than the planner's thousandth of a millimetre, or of a cross-section beyond its range.
std::string UnplannedText(const OrderGroup& group, const UnplannedPieces& pieces, char separator = '.');

// The whole order as text: a line with the stock lengths (in the units typed, with their limits),
// the kerf and the least offcut kept, the purchase list (PurchaseText), then for each group a line
// naming it, the rack's bars it cuts and the bars to buy (identical ones once with their count),
// its masses in `massUnit`, the offcut share and the cost (two decimals and the currency, as the
// parts list shows money) where there is a price, how far the plan may be from the least
// possible, the remnants to keep and the scrap, and the pieces not planned or not covered. Figures
// with the core's decimal separator.
std::string OrderText(const std::vector<GroupOrder>& orders, const OrderSettings& settings, MassUnit massUnit,
                      std::string_view currency);

// The same as CSV (RFC 4180, "." as separator, full precision, lengths in millimetres), one
// row of a kind each, named in the first column: "purchase" (a group's bars of one stock length:
// count, stock_mm, length_m, mass_kg, cost), "total" (all groups' bars of one stock length, then
// a row without a stock length for the whole order), "from_stock" and "bar" (the rack's bars cut
// and the bars to buy, identical ones once: count, stock_mm, cuts_mm, offcut_mm), "group" (net and
// gross mass in kilograms, offcut share, cost, lower_bound as in the JSON, proved_optimal,
// remnants_mm and scrap_mm as lists "1200 + 800") and "not_covered" (count and length of pieces
// beyond the limits and the rack).
std::string OrderCsv(const std::vector<GroupOrder>& orders, const OrderSettings& settings);

} // namespace volcalc::cutting
