// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/order_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <streambuf>

namespace volcalc {
namespace {

using cutting::GroupOrder;
using cutting::Units;

nlohmann::ordered_json Length(Units units) {
    return units % 1000 == 0 ? nlohmann::ordered_json(units / 1000)
                             : nlohmann::ordered_json(static_cast<double>(units) / 1000);
}

nlohmann::ordered_json Bars(const std::vector<cutting::Bar>& bars) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const cutting::Bar& bar : bars) {
        nlohmann::ordered_json cuts = nlohmann::ordered_json::array();
        for (Units cut : bar.Cuts) {
            cuts.push_back(Length(cut));
        }
        list.push_back({{"stock", Length(bar.Stock)}, {"cuts", cuts}, {"offcut", Length(bar.Offcut)}});
    }
    return list;
}

nlohmann::ordered_json Lengths(const std::vector<Units>& lengths) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (Units length : lengths) {
        list.push_back(Length(length));
    }
    return list;
}

nlohmann::ordered_json Cost(const std::optional<double>& cost) {
    return cost ? nlohmann::ordered_json(*cost) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json Purchases(const std::vector<cutting::Purchase>& purchases) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const cutting::Purchase& p : purchases) {
        list.push_back({{"stock", Length(p.Stock)},
                        {"count", p.Count},
                        {"length", Length(p.Length)},
                        {"mass", p.Mass},
                        {"cost", Cost(p.Cost)}});
    }
    return list;
}

std::string Shifted(const std::string& key, const nlohmann::ordered_json& value) {
    std::string text = value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    std::string shifted = "\n  \"" + key + "\": ";
    for (char c : text) {
        shifted += c;
        if (c == '\n') {
            shifted += "  ";
        }
    }
    return shifted;
}

// What readers of the document are given: the library's two-space dump of the members, shifted
// in by the document's indentation.
std::string LibraryDump(const std::vector<GroupOrder>& orders, const cutting::OrderSettings& settings) {
    nlohmann::ordered_json groups = nlohmann::ordered_json::array();
    for (const GroupOrder& order : orders) {
        nlohmann::ordered_json parameters = nlohmann::ordered_json::array();
        for (double value : order.Group.CrossSection) {
            parameters.push_back(Length(cutting::ToUnits(value)));
        }
        nlohmann::ordered_json uncovered = nlohmann::ordered_json::array();
        for (const cutting::Demand& piece : order.Plan.Uncovered) {
            uncovered.push_back({{"length", Length(piece.Length)}, {"count", piece.Count}});
        }
        const bool planned = order.Plan.Uncovered.empty();
        groups.push_back({{"shape", order.Group.Shape},
                          {"parameters", parameters},
                          {"material", order.Group.Material},
                          {"kerf", Length(settings.Kerf.Length)},
                          {"purchase", Purchases(order.Purchases)},
                          {"from_stock", Bars(order.FromStock)},
                          {"bars", Bars(order.Plan.Bars)},
                          {"net_mass", order.NetMass},
                          {"gross_mass", order.GrossMass},
                          {"cost", Cost(order.Cost)},
                          {"lower_bound", planned ? nlohmann::ordered_json(order.Plan.LowerBound / 6000000)
                                                  : nlohmann::ordered_json(nullptr)},
                          {"proved_optimal", planned && order.Plan.ProvedOptimal},
                          {"stopped_early", order.Plan.StoppedEarly},
                          {"remnants", Lengths(order.Remnants)},
                          {"scrap", Lengths(order.Scrap)},
                          {"not_covered", uncovered}});
    }
    const cutting::OrderTotals totals = cutting::TotalsOf(orders, settings);
    const nlohmann::ordered_json purchase = {{"stocks", Purchases(totals.PerStock)},
                                             {"bars", totals.Bars},
                                             {"length", Length(totals.Length)},
                                             {"mass", totals.Mass},
                                             {"cost", Cost(totals.Cost)},
                                             {"unpriced_groups", totals.UnpricedGroups}};
    return Shifted("purchase", purchase) + "," + Shifted("order", groups);
}

// An unbuffered stream that keeps the text and the longest piece written at once.
class ChunkBuffer : public std::streambuf {
public:
    std::string text;
    std::streamsize longest = 0;

protected:
    int_type overflow(int_type c) override {
        text += traits_type::to_char_type(c);
        longest = std::max<std::streamsize>(longest, 1);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text.append(s, static_cast<std::size_t>(n));
        longest = std::max(longest, n);
        return n;
    }
};

GroupOrder Group(std::string shape, std::vector<double> crossSection, std::string material,
                 std::vector<cutting::Bar> bars) {
    GroupOrder order;
    order.Group.Shape = std::move(shape);
    order.Group.CrossSection = std::move(crossSection);
    order.Group.Material = std::move(material);
    order.Plan.Bars = std::move(bars);
    order.NetMass = 11.661439148093208;
    order.GrossMass = 16;
    order.Plan.LowerBound = 12000000;
    return order;
}

GroupOrder Racked(const cutting::Bar& bought) {
    GroupOrder order = Group("Cylinder", {20}, "Steel", {bought});
    order.FromStock = {{2350000, {2000000}, 347000}};
    order.Purchases = {{6000000, 1, 6000000, 16, 32.5}};
    order.Cost = 32.5;
    order.Remnants = {347000};
    order.Scrap = {41000};
    order.Plan.Uncovered = {{7000000, 2}};
    order.Plan.ProvedOptimal = true;
    return order;
}

TEST(OrderJson, WrittenAsTheLibraryDumpsIt) {
    const cutting::Bar whole{6000000, {2400000, 2400000, 1150000}, 41000};
    const cutting::Bar fractional{12000500, {1500250}, 10497750};
    const struct {
        const char* name;
        std::vector<GroupOrder> orders;
        Units kerf;
    } cases[] = {
        {"no group", {}, 0},
        {"a group without bars or cross-section", {Group("Box", {}, "density 7850", {})}, 3000},
        {"a bar without cuts", {Group("Pipe", {40, 30}, "Steel", {{6000000, {}, 6000000}})}, 0},
        {"fractions of a millimetre, escapes and text beyond ASCII",
         {Group("I-Beam", {20.5, 0.001}, "Stahl \"ÄÖ\"\t\x01", {whole, fractional}),
          Group("Angle", {50}, "Oak", {whole})},
         2500},
        {"a rack, a purchase, offcuts, a price and pieces left uncovered", {Racked(whole)}, 3000},
    };
    for (const auto& row : cases) {
        std::ostringstream out;
        const cutting::OrderSettings settings =
            cutting::MillimetreSettings(std::vector<Units>{6000000}, row.kerf);
        cli::WriteOrderJsonMember(out, row.orders, settings, MassUnit::Kilogram);
        EXPECT_EQ(out.str(), LibraryDump(row.orders, settings)) << row.name;
    }
}

// A large order goes out as it is written, never gathered into one text first.
TEST(OrderJson, LargeOrderIsWrittenInPieces) {
    const std::vector<GroupOrder> orders{Group(
        "Cylinder", {20}, "Steel", std::vector<cutting::Bar>(2000, {6000000, {1500000, 1500000}, 2997000}))};
    ChunkBuffer buffer;
    std::ostream out(&buffer);
    const cutting::OrderSettings settings = cutting::MillimetreSettings(std::vector<Units>{6000000}, 0);
    cli::WriteOrderJsonMember(out, orders, settings, MassUnit::Kilogram);
    EXPECT_EQ(buffer.text, LibraryDump(orders, settings));
    EXPECT_LT(buffer.longest, 100);
}

} // namespace
} // namespace volcalc
