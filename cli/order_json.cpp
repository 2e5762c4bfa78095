// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_json.h"

#include "calc/json_text.h"
#include "cutting/purchase_text.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace volcalc::cli {
namespace {

// The member itself sits one level into the document.
constexpr int MemberDepth = 1;

void NewLine(std::ostream& out, int depth) {
    static constexpr std::string_view Spaces = "                                ";
    out << '\n' << Spaces.substr(0, static_cast<std::size_t>(2 * depth));
}

// Whole millimetres as integers, others with their decimals.
void WriteLength(std::ostream& out, cutting::Units length) {
    if (length % cutting::UnitsPerMillimetre != 0) {
        JsonNumber(out, cutting::ToMillimetres(length));
        return;
    }
    std::array<char, 24> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), length / cutting::UnitsPerMillimetre);
    out << std::string_view(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
}

// `[]` when empty, else each value on a line of its own one level in.
template <typename Values, typename WriteValue>
void WriteArray(std::ostream& out, int depth, const Values& values, WriteValue writeValue) {
    if (values.empty()) {
        out << "[]";
        return;
    }
    out << '[';
    bool first = true;
    for (const auto& value : values) {
        out << (first ? "" : ",");
        first = false;
        NewLine(out, depth + 1);
        writeValue(value, depth + 1);
    }
    NewLine(out, depth);
    out << ']';
}

void WriteKey(std::ostream& out, int depth, std::string_view key, bool first = false) {
    out << (first ? "" : ",");
    NewLine(out, depth);
    out << '"' << key << "\": ";
}

void WriteBar(std::ostream& out, int depth, const cutting::Bar& bar) {
    out << '{';
    WriteKey(out, depth + 1, "stock", true);
    WriteLength(out, bar.Stock);
    WriteKey(out, depth + 1, "cuts");
    WriteArray(out, depth + 1, bar.Cuts, [&out](cutting::Units cut, int) { WriteLength(out, cut); });
    WriteKey(out, depth + 1, "offcut");
    WriteLength(out, bar.Offcut);
    NewLine(out, depth);
    out << '}';
}

void WriteLengths(std::ostream& out, int depth, const std::vector<cutting::Units>& lengths) {
    WriteArray(out, depth, lengths, [&out](cutting::Units length, int) { WriteLength(out, length); });
}

void WriteBars(std::ostream& out, int depth, const std::vector<cutting::Bar>& bars) {
    WriteArray(out, depth, bars, [&out](const cutting::Bar& bar, int at) { WriteBar(out, at, bar); });
}

void WriteCost(std::ostream& out, const std::optional<double>& cost) {
    if (cost) {
        JsonNumber(out, *cost);
    } else {
        out << "null";
    }
}

// A group's or the whole order's bars of one stock length.
void WritePurchase(std::ostream& out, int depth, const cutting::Purchase& purchase, MassUnit massUnit) {
    out << '{';
    WriteKey(out, depth + 1, "stock", true);
    WriteLength(out, purchase.Stock);
    WriteKey(out, depth + 1, "count");
    out << purchase.Count;
    WriteKey(out, depth + 1, "length");
    WriteLength(out, purchase.Length);
    WriteKey(out, depth + 1, "mass");
    JsonNumber(out, MassForDisplay(purchase.Mass, massUnit));
    WriteKey(out, depth + 1, "cost");
    WriteCost(out, purchase.Cost);
    NewLine(out, depth);
    out << '}';
}

void WritePurchases(std::ostream& out, int depth, const std::vector<cutting::Purchase>& purchases,
                    MassUnit massUnit) {
    WriteArray(out, depth, purchases, [&](const cutting::Purchase& purchase, int at) {
        WritePurchase(out, at, purchase, massUnit);
    });
}

void WriteDemands(std::ostream& out, int depth, const std::vector<cutting::Demand>& pieces) {
    WriteArray(out, depth, pieces, [&out](const cutting::Demand& piece, int at) {
        out << '{';
        WriteKey(out, at + 1, "length", true);
        WriteLength(out, piece.Length);
        WriteKey(out, at + 1, "count");
        out << piece.Count;
        NewLine(out, at);
        out << '}';
    });
}

// How far the plan may be from the least possible: null where pieces are left uncovered.
void WriteBound(std::ostream& out, int depth, const cutting::GroupOrder& order,
                const cutting::OrderSettings& settings) {
    const bool planned = order.Plan.Uncovered.empty();
    WriteKey(out, depth, "lower_bound");
    if (!planned) {
        out << "null";
    } else if (settings.Stocks.size() == 1) {
        out << cutting::LowerBoundFigure(order, settings);
    } else {
        WriteLength(out, order.Plan.LowerBound);
    }
    WriteKey(out, depth, "proved_optimal");
    out << (planned && order.Plan.ProvedOptimal ? "true" : "false");
    WriteKey(out, depth, "stopped_early");
    out << (order.Plan.StoppedEarly || order.Plan.Cancelled ? "true" : "false");
}

void WriteGroup(std::ostream& out, int depth, const cutting::GroupOrder& order,
                const cutting::OrderSettings& settings, MassUnit massUnit) {
    out << '{';
    WriteKey(out, depth + 1, "shape", true);
    JsonString(out, order.Group.Shape);
    WriteKey(out, depth + 1, "parameters");
    WriteArray(out, depth + 1, order.Group.CrossSection, [&out](double value, int) {
        // A cross-section beyond the planner's range is named as calculated.
        if (value <= cutting::LongestMillimetres) {
            WriteLength(out, cutting::ToUnits(value));
        } else {
            JsonNumber(out, value);
        }
    });
    WriteKey(out, depth + 1, "material");
    JsonString(out, order.Group.Material);
    WriteKey(out, depth + 1, "kerf");
    WriteLength(out, settings.Kerf.Length);
    WriteKey(out, depth + 1, "purchase");
    WritePurchases(out, depth + 1, order.Purchases, massUnit);
    WriteKey(out, depth + 1, "from_stock");
    WriteBars(out, depth + 1, order.FromStock);
    WriteKey(out, depth + 1, "bars");
    WriteBars(out, depth + 1, order.Plan.Bars);
    WriteKey(out, depth + 1, "net_mass");
    JsonNumber(out, MassForDisplay(order.NetMass, massUnit));
    WriteKey(out, depth + 1, "gross_mass");
    JsonNumber(out, MassForDisplay(order.GrossMass, massUnit));
    WriteKey(out, depth + 1, "cost");
    WriteCost(out, order.Cost);
    WriteBound(out, depth + 1, order, settings);
    WriteKey(out, depth + 1, "remnants");
    WriteLengths(out, depth + 1, order.Remnants);
    WriteKey(out, depth + 1, "scrap");
    WriteLengths(out, depth + 1, order.Scrap);
    WriteKey(out, depth + 1, "not_covered");
    WriteDemands(out, depth + 1, order.Plan.Uncovered);
    NewLine(out, depth);
    out << '}';
}

// The whole order's purchase: per stock length over all groups, and in total.
void WriteTotals(std::ostream& out, int depth, const cutting::OrderTotals& totals, MassUnit massUnit) {
    out << '{';
    WriteKey(out, depth + 1, "stocks", true);
    WritePurchases(out, depth + 1, totals.PerStock, massUnit);
    WriteKey(out, depth + 1, "bars");
    out << totals.Bars;
    WriteKey(out, depth + 1, "length");
    WriteLength(out, totals.Length);
    WriteKey(out, depth + 1, "mass");
    JsonNumber(out, MassForDisplay(totals.Mass, massUnit));
    WriteKey(out, depth + 1, "cost");
    WriteCost(out, totals.Cost);
    WriteKey(out, depth + 1, "unpriced_groups");
    out << totals.UnpricedGroups;
    NewLine(out, depth);
    out << '}';
}

} // namespace

void WriteOrderJsonMember(std::ostream& out, std::span<const cutting::GroupOrder> orders,
                          const cutting::OrderSettings& settings, MassUnit massUnit) {
    WriteKey(out, MemberDepth, "purchase", true);
    WriteTotals(out, MemberDepth, cutting::TotalsOf(orders, settings), massUnit);
    WriteKey(out, MemberDepth, "order");
    WriteArray(out, MemberDepth, orders, [&](const cutting::GroupOrder& order, int depth) {
        WriteGroup(out, depth, order, settings, massUnit);
    });
}

} // namespace volcalc::cli
