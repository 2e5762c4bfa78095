// SPDX-License-Identifier: GPL-3.0-or-later
// The order as CSV: the purchase list first, then each group's bars and figures.
#include "calc/csv_cell.h"
#include "calc/number_writer.h"
#include "order_text.h"
#include "purchase_text.h"

namespace volcalc::cutting {

namespace {

constexpr const char* Header = "kind,shape,cross_section,material,count,stock_mm,cuts_mm,offcut_mm,length_m,"
                               "mass_kg,net_mass_kg,gross_mass_kg,offcut_share,cost,lower_bound,"
                               "proved_optimal,remnants_mm,scrap_mm\r\n";

std::string Cost(const std::optional<double>& cost) {
    return cost ? DoubleText(*cost) : std::string();
}

std::string CsvGroup(const OrderGroup& group) {
    return CsvCell(group.Shape) + "," + CsvCell(CrossSectionText(group)) + "," + CsvCell(group.Material);
}

std::string Joined(const std::vector<Units>& lengths) {
    std::string text;
    for (Units length : lengths) {
        text += (text.empty() ? "" : " + ") + LengthText(length);
    }
    return text;
}

// kind, the group's three cells (or three empty ones), count, stock_mm.
std::string Start(std::string_view kind, const OrderGroup* group, std::int64_t count, Units stock) {
    return std::string(kind) + "," + (group ? CsvGroup(*group) : std::string(",,")) + "," +
           std::to_string(count) + "," + (stock > 0 ? LengthText(stock) : std::string());
}

std::string PurchaseRow(std::string_view kind, const OrderGroup* group, const Purchase& purchase) {
    return Start(kind, group, purchase.Count, purchase.Stock) + ",,," + MetresText(purchase.Length) + "," +
           DoubleText(purchase.Mass) + ",,,," + Cost(purchase.Cost) + ",,,,\r\n";
}

std::string BarRows(std::string_view kind, const GroupOrder& order, const std::vector<Bar>& bars,
                    const std::vector<std::vector<std::string>>& marks) {
    std::string csv;
    for (const BarRun& run : IdenticalBars(bars, marks)) {
        csv += Start(kind, &order.Group, run.Count, run.Cut.Stock) + "," + CsvCell(CutsText(run)) + "," +
               LengthText(run.Cut.Offcut) + ",,,,,,,,,,\r\n";
    }
    return csv;
}

// Bars for one stock length, millimetres for several.
std::string BoundCell(const GroupOrder& order, const OrderSettings& settings) {
    const Units figure = LowerBoundFigure(order, settings);
    return settings.Stocks.size() == 1 ? std::to_string(figure) : LengthText(figure);
}

std::string GroupRow(const GroupOrder& order, const OrderSettings& settings) {
    const bool planned = order.Plan.Uncovered.empty() && !order.Group.Pieces.empty();
    return "group," + CsvGroup(order.Group) + ",,,,,,," + DoubleText(order.NetMass) + "," +
           DoubleText(order.GrossMass) + "," + DoubleText(order.OffcutShare) + "," + Cost(order.Cost) + "," +
           (planned ? BoundCell(order, settings) : std::string()) + "," +
           (planned ? (order.Plan.ProvedOptimal ? "true" : "false") : "") + "," +
           CsvCell(Joined(order.Remnants)) + "," + CsvCell(Joined(order.Scrap)) + "\r\n";
}

} // namespace

std::string OrderCsv(const std::vector<GroupOrder>& orders, const OrderSettings& settings) {
    std::string csv = Header;
    for (const GroupOrder& order : orders) {
        for (const Purchase& purchase : order.Purchases) {
            csv += PurchaseRow("purchase", &order.Group, purchase);
        }
    }
    const OrderTotals totals = TotalsOf(orders, settings);
    for (const Purchase& purchase : totals.PerStock) {
        csv += PurchaseRow("total", nullptr, purchase);
    }
    csv += PurchaseRow("total", nullptr, {0, totals.Bars, totals.Length, totals.Mass, totals.Cost});
    for (const GroupOrder& order : orders) {
        csv += BarRows("from_stock", order, order.FromStock, order.FromStockMarks);
        csv += BarRows("bar", order, order.Plan.Bars, order.BarMarks);
        csv += GroupRow(order, settings);
        for (const Demand& pieces : order.Plan.Uncovered) {
            csv += Start("not_covered", &order.Group, pieces.Count, 0) + "," + LengthText(pieces.Length) +
                   ",,,,,,,,,,,\r\n";
        }
    }
    return csv;
}

} // namespace volcalc::cutting
