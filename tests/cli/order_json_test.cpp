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

// What readers of the document were given so far: the library's two-space dump of the whole
// array, shifted in by the document's indentation.
std::string LibraryDump(const std::vector<GroupOrder>& orders, Units kerf) {
    const auto length = [](Units units) {
        return units % 1000 == 0 ? nlohmann::ordered_json(units / 1000)
                                 : nlohmann::ordered_json(static_cast<double>(units) / 1000);
    };
    nlohmann::ordered_json groups = nlohmann::ordered_json::array();
    for (const GroupOrder& order : orders) {
        nlohmann::ordered_json bars = nlohmann::ordered_json::array();
        for (const cutting::Bar& bar : order.Plan.Bars) {
            nlohmann::ordered_json cuts = nlohmann::ordered_json::array();
            for (Units cut : bar.Cuts) {
                cuts.push_back(length(cut));
            }
            bars.push_back({{"stock", length(bar.Stock)}, {"cuts", cuts}, {"offcut", length(bar.Offcut)}});
        }
        nlohmann::ordered_json parameters = nlohmann::ordered_json::array();
        for (double value : order.Group.CrossSection) {
            parameters.push_back(length(cutting::ToUnits(value)));
        }
        groups.push_back({{"shape", order.Group.Shape},
                          {"parameters", parameters},
                          {"material", order.Group.Material},
                          {"kerf", length(kerf)},
                          {"bars", bars},
                          {"net_mass", order.NetMass},
                          {"gross_mass", order.GrossMass},
                          {"surface_m2", order.NetSurface ? nlohmann::ordered_json(*order.NetSurface)
                                                          : nlohmann::ordered_json(nullptr)}});
    }
    std::string text = groups.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    std::string shifted = "\n  \"order\": ";
    for (char c : text) {
        shifted += c;
        if (c == '\n') {
            shifted += "  ";
        }
    }
    return shifted;
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
    };
    for (const auto& row : cases) {
        std::ostringstream out;
        cli::WriteOrderJsonMember(out, row.orders, row.kerf, MassUnit::Kilogram);
        EXPECT_EQ(out.str(), LibraryDump(row.orders, row.kerf)) << row.name;
    }
}

// A large order goes out as it is written, never gathered into one text first.
TEST(OrderJson, LargeOrderIsWrittenInPieces) {
    const std::vector<GroupOrder> orders{Group(
        "Cylinder", {20}, "Steel", std::vector<cutting::Bar>(2000, {6000000, {1500000, 1500000}, 2997000}))};
    ChunkBuffer buffer;
    std::ostream out(&buffer);
    cli::WriteOrderJsonMember(out, orders, 0, MassUnit::Kilogram);
    EXPECT_EQ(buffer.text, LibraryDump(orders, 0));
    EXPECT_LT(buffer.longest, 100);
}

} // namespace
} // namespace volcalc
