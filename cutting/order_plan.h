// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bars to order for a list of pieces: a cutting plan per group, cut first from the bars on
// the rack, with masses, cost, the offcuts worth keeping and how far the plan may be from the
// least possible.

#include "order_items.h"
#include "plan_cuts.h"
#include "typed_length.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace volcalc::cutting {

// The most bars of one stock length a limit may name: far beyond any order, small enough that a
// plan's sums stay within 64 bits.
inline constexpr std::int64_t MostBarsOfAStock = 1000000000;

struct StockLength {
    TypedLength Length;
    std::optional<std::int64_t> Limit; // the most bars of it to buy for each group

    friend bool operator==(const StockLength&, const StockLength&) = default;
};

// Bars or offcuts of one length on the rack, of the kind a group is cut from: same shape, same
// cross-section (compared in thousandths of a millimetre) and same material name.
struct RackBars {
    std::string Shape;
    std::vector<double> CrossSection; // millimetres, as OrderItem
    std::string Material;
    Units Length = 0;
    std::int64_t Count = 0;

    friend bool operator==(const RackBars&, const RackBars&) = default;
};

struct OrderSettings {
    std::vector<StockLength> Stocks;
    TypedLength Kerf;
    std::optional<TypedLength> KeepOffcuts; // the least offcut worth keeping; none: all are scrap
    std::vector<RackBars> Rack;             // on hand, cut before any bar is bought

    std::vector<Units> StockUnits() const;
};

// Stock lengths without limits and a kerf, all in millimetres, without a rack.
OrderSettings MillimetreSettings(std::span<const Units> stocks, Units kerf);

// The bars of one stock length to buy for a group.
struct Purchase {
    Units Stock = 0;
    std::int64_t Count = 0;
    Units Length = 0;           // Count × Stock
    double Mass = 0;            // kilograms
    std::optional<double> Cost; // at the group's price, where it has one
};

struct GroupOrder {
    OrderGroup Group;
    CuttingPlan Plan;                // Plan.Bars are the bars to buy (the rack's are in FromStock); its
                                     // Uncovered the pieces the limits and the rack leave without a bar
    std::vector<Bar> FromStock;      // the rack's bars cut, longest first
    std::vector<Purchase> Purchases; // one per stock length bought, in the settings' order
    std::vector<Units> Remnants;     // offcuts at least KeepOffcuts, bought and from the rack, longest first
    std::vector<Units> Scrap;        // the other offcuts longer than nothing, longest first
    // The marks of each bar's pieces, as its Cuts, for FromStock and Plan.Bars; none when no piece
    // of the group has a mark. Given in the order the items come, bar by bar, so always the same.
    std::vector<std::vector<std::string>> FromStockMarks;
    std::vector<std::vector<std::string>> BarMarks;
    double NetMass = 0;         // kilograms of the pieces planned (the oversized left out)
    double GrossMass = 0;       // kilograms of the bars bought, at the pieces' mass per length
    double OffcutShare = 0;     // of the length cut (bought and from the rack), what is left as offcuts
    std::optional<double> Cost; // of the bars bought at the group's price, where it has one
};

// How many bars the plan may buy beyond the least possible, for an order of one stock length:
// its bars less the fewest the lower bound allows.
std::int64_t BarsAboveLeast(const GroupOrder& order, Units stock);

// One plan per group; the pieces longer than every stock length join the group's Unplanned.
// Throws SolverError as PlanCuts does.
std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings);
// The same, followed and cancelled through `control` (groups after a cancel get their first plan).
std::vector<GroupOrder> PlanOrder(std::span<const OrderItem> items, const OrderSettings& settings,
                                  PlanControl& control);

// The whole order's purchase: per stock length over all groups, and in total.
struct OrderTotals {
    std::vector<Purchase> PerStock; // in the settings' order; Cost where every group has a price
    std::int64_t Bars = 0;
    Units Length = 0;
    double Mass = 0;
    std::optional<double> Cost;     // the sum of the groups' costs, none while no group has a price
    std::size_t UnpricedGroups = 0; // groups that buy bars and have no price to add
};
OrderTotals TotalsOf(std::span<const GroupOrder> orders, const OrderSettings& settings);

} // namespace volcalc::cutting
