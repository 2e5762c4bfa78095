// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/order_arguments.h"
#include "cutting/order_plan.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"

#include <gtest/gtest.h>

namespace volcalc::cutting {
namespace {

// A standard section's own entry, as the section tables make it: cut by its one parameter.
const ShapeParameter SectionLengthParameter{"Length", "Length =", "length"};
const ShapeEntry Ipe200{"IPE 200", {}, {&SectionLengthParameter, 1}, nullptr, {}, PanelKind::Column, 0};

// Every object shape cut from bars is cut to the parameter its entry names, with the others as its
// cross-section; an aperture, a shape not cut from bars, a piece of no length are not ordered.
TEST(OrderItems, EachShapeIsCutToItsLengthParameter) {
    std::vector<const ShapeEntry*> shapes{&Ipe200};
    for (const ShapeEntry& entry : ObjectShapes) {
        shapes.push_back(&entry);
    }
    for (const ShapeEntry* shape : shapes) {
        SCOPED_TRACE(std::string(shape->DisplayName));
        std::vector<double> parameters;
        for (std::size_t i = 0; i < shape->Parameters.size(); ++i) {
            parameters.push_back(10.0 * double(i + 1));
        }
        const auto item = OrderItemOf({*shape, false, parameters, 2, "Steel", 1.5, std::nullopt});
        ASSERT_EQ(item.has_value(), shape->BarLength.has_value());
        EXPECT_FALSE(OrderItemOf({*shape, true, parameters, 2, "Steel", 1.5, std::nullopt}));
        if (!item) {
            continue;
        }
        const std::size_t at = *shape->BarLength;
        EXPECT_EQ(item->Shape, shape->DisplayName);
        EXPECT_EQ(item->Length, parameters[at]);
        std::vector<double> crossSection = parameters;
        crossSection.erase(crossSection.begin() + std::ptrdiff_t(at));
        EXPECT_EQ(item->CrossSection, crossSection);
        parameters[at] = 0;
        EXPECT_FALSE(OrderItemOf({*shape, false, parameters, 2, "Steel", 1.5, std::nullopt}));
    }
}

// Rows keep their parameters as read, in their own unit.
// A row of the list as the ledger made it.
PartsListRow Row(CalcGroup group, const ShapeEntry* shape, LengthUnit unit, std::int32_t quantity,
                 std::vector<std::string> texts, std::vector<double> values) {
    PartsListRow row;
    row.Group = group;
    row.Shape = shape;
    row.Unit = unit;
    row.Quantity = quantity;
    row.Parameters = std::move(texts);
    row.Values = std::move(values);
    row.Material = "Steel";
    return row;
}

TEST(OrderItems, RowsAreReadInMillimetres) {
    PartsListRow angle = Row(CalcGroup::Object, FindShape(CalcGroup::Object, "Angle"), LengthUnit::Centimeter,
                             2, {"5", "5", "0,5", "240"}, {5, 5, 0.5, 240});
    angle.PieceMass = 9;
    angle.Mark = "A1";
    const auto item = OrderItemOfRow(angle);
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(item->CrossSection, (std::vector<double>{50, 50, 5}));
    EXPECT_EQ(item->Length, 2400);
    EXPECT_EQ(item->Quantity, 2);
    EXPECT_EQ(item->Mark, "A1");

    const PartsListRow section = Row(CalcGroup::Object, &Ipe200, LengthUnit::Meter, 1, {"6"}, {6});
    ASSERT_TRUE(OrderItemOfRow(section).has_value());
    EXPECT_EQ(OrderItemOfRow(section)->Length, 6000);
    EXPECT_TRUE(OrderItemOfRow(section)->CrossSection.empty());

    const PartsListRow hole = Row(CalcGroup::Aperture, FindShape(CalcGroup::Object, "Cylinder"),
                                  LengthUnit::Millimeter, 1, {"10", "100"}, {10, 100});
    EXPECT_FALSE(OrderItemOfRow(hole).has_value());
}

TEST(OrderItems, GroupsBySameShapeCrossSectionAndMaterial) {
    const OrderItem items[] = {
        {"Angle", {50, 50, 5}, 2400, 2, "Steel", 9, std::nullopt},
        {"Angle", {50, 50, 5}, 1150, 1, "Steel", 4.3125, std::nullopt},
        {"Angle", {50, 50, 5.0004}, 2400, 1, "Steel", 9, std::nullopt}, // the same to a thousandth
        {"Angle", {50, 50, 6}, 2400, 1, "Steel", 10, std::nullopt},
        {"Angle", {50, 50, 5}, 2400, 1, "Aluminium", 3, std::nullopt},
        {"I-Beam", {50, 50, 5, 5}, 2400, 1, "Steel", 9, std::nullopt},
        // Each of these is bought apart from the first group's bars.
        {"Angle", {50, 50, 5}, 2400, 1, "Steel", 9, std::nullopt, false, 11340}, // another density
        {"Angle", {50, 50, 5}, 2400, 1, "Steel", 9, 2.0},                        // another price
        {"Angle", {50, 50, 5}, 2400, 1, "density 0", 9, std::nullopt, false, 0}, // a catalogue name
        {"Angle", {50, 50, 5}, 2400, 1, "density 0", 9, std::nullopt, true, 0},  // the typed density
    };
    const std::vector<OrderGroup> groups = GroupOrderItems(items);
    ASSERT_EQ(groups.size(), 8u);
    EXPECT_EQ(groups[0].Pieces, (std::vector<Demand>{{2400000, 3}, {1150000, 1}}));
    EXPECT_DOUBLE_EQ(groups[0].NetMass, 31.3125);
    EXPECT_EQ(groups[0].NetLength, 8350000);
    EXPECT_EQ(groups[1].CrossSection, (std::vector<double>{50, 50, 6}));
    EXPECT_EQ(groups[2].Material, "Aluminium");
    EXPECT_EQ(groups[3].Shape, "I-Beam");
}

TEST(OrderPlan, MassesAndCostFollowTheLengthBought) {
    // 3.75 kg per metre; 2 × 2400 + 1150 with a 3 mm kerf fit one 6 m bar.
    const OrderItem items[] = {
        {"Angle", {50, 50, 5}, 2400, 2, "Steel", 9, 2.0},
        {"Angle", {50, 50, 5}, 7000, 1, "Steel", 26.25, 2.0},
        {"Angle", {50, 50, 5}, 1150, 1, "Steel", 4.3125, 2.0},
    };
    const auto orders = PlanOrder(items, MillimetreSettings(std::vector<Units>{6000000}, 3000));
    ASSERT_EQ(orders.size(), 1u);
    const GroupOrder& order = orders[0];
    EXPECT_EQ(order.Plan.Oversized, (std::vector<Demand>{{7000000, 1}}));
    ASSERT_EQ(order.Plan.Bars.size(), 1u);
    EXPECT_EQ(order.Plan.Bars[0].Offcut, 41000);
    EXPECT_DOUBLE_EQ(order.NetMass, 22.3125);
    EXPECT_DOUBLE_EQ(order.GrossMass, 22.5);
    EXPECT_DOUBLE_EQ(*order.Cost, 45.0);
    EXPECT_DOUBLE_EQ(order.OffcutShare, 41.0 / 6000);
}

// The surface is each planned piece's own, ends and all, so a round bar's is no share of the length
// bought; a piece longer than every stock is not cut, and its surface is not counted. A group with
// a piece of unknown outline states none rather than a part.
TEST(OrderPlan, SurfaceOfThePiecesPlannedOnly) {
    const OrderItem items[] = {
        {"Cylinder", {20}, 1000, 2, "Steel", 2.5, std::nullopt, false, 7850, {}, 0.0634},
        {"Cylinder", {20}, 500, 1, "Steel", 1.2, std::nullopt, false, 7850, {}, 0.0320},
        {"Cylinder", {20}, 7000, 3, "Steel", 17.3, std::nullopt, false, 7850, {}, 0.4404},
        {"HEB 100", {}, 1000, 1, "Steel", 20.4, std::nullopt, false, 7850, {}, std::nullopt},
        {"HEB 100", {}, 500, 1, "Steel", 10.2, std::nullopt, false, 7850, {}, std::nullopt},
    };
    const auto orders = PlanOrder(items, MillimetreSettings(std::vector<Units>{6000000}, 3000));
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_DOUBLE_EQ(*orders[0].NetSurface, 2 * 0.0634 + 0.0320);
    EXPECT_FALSE(orders[1].NetSurface.has_value());
    const std::string text =
        OrderText(orders, MillimetreSettings(std::vector<Units>{6000000}, 3000), MassUnit::Kilogram, "");
    EXPECT_NE(text.find("  surface of the pieces 0.159 square meter\n"), std::string::npos) << text;
}

// A piece, a stock length or a kerf at the planner's borders is planned as typed or named with
// the reason it is not: never rounded into another length, never dropped, never a throw.
TEST(OrderBorders, EachLengthIsTakenOrRefusedWithItsReason) {
    enum class Input { CommandLineStocks, WindowStocks, Kerf, PieceLength, CrossSection };
    const struct Case {
        const char* name;
        Input input;
        const char* text; // for the pieces, millimetres as strtod reads them
        std::string outcome;
    } cases[] = {
        {"a stock of a thousandth", Input::CommandLineStocks, "0.001", "1"},
        {"a stock rounding to a thousandth", Input::CommandLineStocks, "0.0005", "1"},
        {"a stock rounding to nothing", Input::CommandLineStocks, "0.0004", "too short '0.0004'"},
        {"a stock of zero", Input::CommandLineStocks, "6000,0", "not a length '0'"},
        {"the longest stock", Input::CommandLineStocks, "100000000", "100000000000"},
        {"a stock beyond the longest", Input::CommandLineStocks, "100000000.001",
         "not a length '100000000.001'"},
        {"a stock that is no number", Input::CommandLineStocks, "nan", "not a length 'nan'"},
        {"an infinite stock", Input::CommandLineStocks, "inf", "not a length 'inf'"},
        {"a decimal comma on the command line", Input::CommandLineStocks, "6000,5", "6000000 5000"},
        {"the window's list", Input::WindowStocks, " 6000; 12000,5 ;", "6000000 12000500"},
        {"the command line's list in the window", Input::WindowStocks, "6000,12000", "two readings"},
        {"a stock rounding to nothing in the window", Input::WindowStocks, "0,0004;", "too short '0,0004'"},
        {"no stock in the window", Input::WindowStocks, " ; ", "no length"},
        {"feet, exactly", Input::CommandLineStocks, "20ft", "6096000"},
        {"inches and yards", Input::CommandLineStocks, "0.5in,1yd", "12700 914400"},
        {"metres and centimetres", Input::CommandLineStocks, "6m,250cm", "6000000 2500000"},
        {"millimetres named", Input::CommandLineStocks, "6000mm", "6000000"},
        {"a limit", Input::CommandLineStocks, "6m:10", "6000000:10"},
        {"the greatest limit", Input::CommandLineStocks, "6m:1000000000", "6000000:1000000000"},
        {"a limit beyond the greatest", Input::CommandLineStocks, "6m:1000000001",
         "not a count '6m:1000000001'"},
        {"a limit of no bar", Input::CommandLineStocks, "6000:0", "not a count '6000:0'"},
        {"a limit that is no whole number", Input::CommandLineStocks, "6000:2.5", "not a count '6000:2.5'"},
        {"a limit without a count", Input::CommandLineStocks, "6000:", "not a count '6000:'"},
        {"the longest stock in metres", Input::CommandLineStocks, "100000m", "100000000000"},
        {"a stock beyond the longest in yards", Input::CommandLineStocks, "109362yd",
         "not a length '109362yd'"},
        {"a stock in metres rounding to nothing", Input::CommandLineStocks, "0.0000004m",
         "too short '0.0000004m'"},
        {"a unit of no length", Input::CommandLineStocks, "6 kg", "unknown unit '6 kg'"},
        {"a unit in capitals", Input::CommandLineStocks, "6M", "unknown unit '6M'"},
        {"a unit alone", Input::CommandLineStocks, "m", "not a length 'm'"},
        {"units, limits and a decimal comma in the window", Input::WindowStocks, " 6,5 m : 4 ; 20 ft",
         "6500000:4 6096000"},
        {"a kerf in inches", Input::Kerf, "0.125in", "3175"},
        {"a kerf of zero metres", Input::Kerf, "0m", "0"},
        {"a kerf rounding to nothing", Input::Kerf, "0.0004", "0"},
        {"a kerf of zero", Input::Kerf, "0", "0"},
        {"a negative kerf", Input::Kerf, "-0.001", "not a length '-0.001'"},
        {"a kerf that is no number", Input::Kerf, "NaN", "not a length 'NaN'"},
        {"a piece rounding to nothing", Input::PieceLength, "0.0004",
         "Cylinder a=20, Steel: 1 piece of 0.0004 mm is shorter than the planner's 0.001 mm"},
        {"a piece of a tenth of a micrometre", Input::PieceLength, "1e-7",
         "Cylinder a=20, Steel: 1 piece of 1e-07 mm is shorter than the planner's 0.001 mm"},
        {"a piece rounding to a thousandth", Input::PieceLength, "0.0005", "planned 1"},
        {"a piece of the longest stock", Input::PieceLength, "100000000", "planned 100000000000"},
        {"a piece beyond the planner's range", Input::PieceLength, "100000000.5",
         "Cylinder a=20, Steel: 1 piece of 100000000.5 mm is longer than every stock length"},
        {"a piece of no length", Input::PieceLength, "0", "not ordered"},
        {"a piece of no number", Input::PieceLength, "nan", "not ordered"},
        {"a cross-section of the longest", Input::CrossSection, "100000000", "planned 1000000"},
        {"a cross-section beyond the range", Input::CrossSection, "1e9",
         "Cylinder a=1000000000, Steel: 1 piece of 1000 mm has a cross-section beyond the planner's "
         "100000000 mm"},
    };
    const auto arguments = [](const LengthsReading& reading) -> std::string {
        switch (reading.Fault) {
        case LengthFault::NotALength:
            return "not a length '" + reading.Part + "'";
        case LengthFault::TooShort:
            return "too short '" + reading.Part + "'";
        case LengthFault::TwoReadings:
            return "two readings";
        case LengthFault::NoLength:
            return "no length";
        case LengthFault::NotACount:
            return "not a count '" + reading.Part + "'";
        case LengthFault::UnknownUnit:
            return "unknown unit '" + reading.Part + "'";
        case LengthFault::None:
            break;
        }
        std::string lengths;
        for (const StockLength& stock : reading.Stocks) {
            lengths += (lengths.empty() ? "" : " ") + std::to_string(stock.Length.Length) +
                       (stock.Limit ? ":" + std::to_string(*stock.Limit) : "");
        }
        return lengths;
    };
    const auto pieces = [](double length, double section) -> std::string {
        const double parameters[] = {section, length};
        const auto item = OrderItemOf(
            {*FindShape(CalcGroup::Object, "Cylinder"), false, parameters, 1, "Steel", 1, std::nullopt});
        if (!item) {
            return "not ordered";
        }
        const OrderItem items[] = {*item};
        const std::vector<GroupOrder> orders =
            PlanOrder(items, MillimetreSettings(std::vector<Units>{ToUnits(LongestMillimetres)}, 0));
        if (orders.size() != 1 || orders[0].Group.Unplanned.size() > 1) {
            return "not one group";
        }
        if (!orders[0].Group.Unplanned.empty()) {
            return UnplannedText(orders[0].Group, orders[0].Group.Unplanned[0]);
        }
        return "planned " + std::to_string(orders[0].Plan.Bars.at(0).Cuts.at(0));
    };
    for (const Case& c : cases) {
        std::string outcome;
        switch (c.input) {
        case Input::CommandLineStocks:
            outcome = arguments(ReadCommandLineStocks(c.text));
            break;
        case Input::WindowStocks:
            outcome = arguments(ReadWindowStocks(c.text));
            break;
        case Input::Kerf:
            outcome = arguments(ReadOrderLength(c.text, DecimalForm::Point, true));
            break;
        case Input::PieceLength:
            outcome = pieces(std::strtod(c.text, nullptr), 20);
            break;
        case Input::CrossSection:
            outcome = pieces(1000, std::strtod(c.text, nullptr));
            break;
        }
        EXPECT_EQ(outcome, c.outcome) << c.name;
    }
}

// Every bar bought is priced at its group's one price; money is written as the parts list writes
// it, and a text cell that begins as a formula is guarded in the CSV.
TEST(OrderPlan, EachGroupIsPricedAtItsOwnPrice) {
    const OrderItem items[] = {
        {"Cylinder", {20}, 3500, 1, "=2+5+cmd|x", 7, 2.0, false, 0, {"a"}},
        {"Cylinder", {20}, 2500, 1, "=2+5+cmd|x", 5, 10.0, false, 0, {"a"}},
        {"Cylinder", {20}, 1000, 1, "=2+5+cmd|x", 2, std::nullopt, false, 0, {"a"}},
    };
    const OrderSettings settings = MillimetreSettings(std::vector<Units>{6000000}, 0);
    const std::vector<GroupOrder> orders = PlanOrder(items, settings);
    ASSERT_EQ(orders.size(), 3u);
    EXPECT_DOUBLE_EQ(*orders[0].Cost, 2.0 * 12);
    EXPECT_DOUBLE_EQ(*orders[1].Cost, 10.0 * 12);
    EXPECT_FALSE(orders[2].Cost.has_value());
    const std::string text = OrderText(orders, settings, MassUnit::Kilogram, "EUR");
    EXPECT_NE(text.find(", cost 24.00 EUR\n"), std::string::npos) << text;
    EXPECT_NE(text.find(", cost 120.00 EUR\n"), std::string::npos) << text;
    EXPECT_NE(text.find("offcut share 83.3%\n"), std::string::npos) << text; // the unpriced one
    const std::string csv = OrderCsv(orders, settings);
    EXPECT_NE(csv.find("bar,\"Cylinder\",\"a=20\",\"'=2+5+cmd|x\",1,6000,"), std::string::npos) << csv;
    EXPECT_EQ(csv.find(",\"=2"), std::string::npos) << csv;
}

TEST(OrderPlan, IdenticalBarsAreCountedOnce) {
    const Bar a{6000, {2400, 2400}, 1200};
    const Bar b{6000, {2400, 1150}, 2450};
    const Bar bars[] = {a, a, a, b};
    const auto runs = IdenticalBars(bars);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Count, 3);
    EXPECT_EQ(runs[1].Cut, b);
}

// The settings are shown back in the units they were typed in, the planner's lengths exact.
TEST(OrderText, LengthsAreShownInTheUnitsTyped) {
    OrderSettings settings;
    settings.Stocks = ReadWindowStocks("6,5 m:4; 20 ft").Stocks;
    settings.Kerf = ReadOrderLength("0.125in", DecimalForm::Point, true).Stocks.at(0).Length;
    settings.KeepOffcuts = ReadOrderLength("1.5ft", DecimalForm::Point, false).Stocks.at(0).Length;
    const OrderItem items[] = {{"Cylinder", {20}, 6000, 1, "Steel", 6, 2.0, false, 0, {"a"}}};
    const std::vector<GroupOrder> orders = PlanOrder(items, settings);
    const std::string text = OrderText(orders, settings, MassUnit::Kilogram, "EUR");
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "order: stock lengths 6.5 m (at most 4), 20 ft, kerf 0.125 in, offcuts kept from 1.5 ft")
        << text;
    EXPECT_NE(text.find("  Cylinder a=20, Steel: 1 × 20 ft, 6.096 m, 6.096 kilogram, cost 12.19 EUR\n"),
              std::string::npos)
        << text;
}

// Each piece cut carries the mark of the row it is cut for, first rows first, and bars cut alike
// for different marks are shown apart.
TEST(OrderText, PiecesNameTheMarksOfTheirRows) {
    OrderItem a1{"Cylinder", {20}, 2400, 2, "Steel", 2.4, std::nullopt, false, 0, {"a"}};
    a1.Mark = "A1";
    OrderItem b2 = a1;
    b2.Quantity = 2;
    b2.Mark = "B2";
    OrderItem unmarked{"Cylinder", {20}, 1150, 2, "Steel", 1.15, std::nullopt, false, 0, {"a"}};
    const OrderItem items[] = {unmarked, a1, b2};
    const OrderSettings settings = MillimetreSettings(std::vector<Units>{6000000}, 3000);
    const std::vector<GroupOrder> orders = PlanOrder(items, settings);
    const std::string text = OrderText(orders, settings, MassUnit::Kilogram, "");
    EXPECT_NE(text.find("  1 × 6000: 2400 (A1) + 2400 (A1) + 1150, offcut 41\n"
                        "  1 × 6000: 2400 (B2) + 2400 (B2) + 1150, offcut 41\n"),
              std::string::npos)
        << text;
    EXPECT_NE(OrderCsv(orders, settings).find(",\"2400 (B2) + 2400 (B2) + 1150\",41,"), std::string::npos);
}

} // namespace
} // namespace volcalc::cutting
