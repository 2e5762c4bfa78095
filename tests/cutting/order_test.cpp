// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/order_plan.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"

#include <gtest/gtest.h>

namespace volcalc::cutting {
namespace {

TEST(OrderItems, EachShapeIsCutToItsLengthParameter) {
    struct Case {
        const char* shape;
        bool aperture;
        bool section;
        std::vector<double> parameters;
        bool ordered;
        double length;
        std::vector<double> crossSection;
    } const cases[] = {
        {"Hexahedral Bar", false, false, {20, 1500}, true, 1500, {20}},
        {"I-Beam", false, false, {200, 100, 5.6, 8.5, 2400}, true, 2400, {200, 100, 5.6, 8.5}},
        {"C channel", false, false, {100, 50, 5, 7, 1000}, true, 1000, {100, 50, 5, 7}},
        {"Lip channel", false, false, {100, 50, 15, 2, 3000}, true, 3000, {100, 50, 15, 2}},
        {"Angle", false, false, {50, 50, 5, 750}, true, 750, {50, 50, 5}},
        {"Cylinder", false, false, {30, 1200}, true, 1200, {30}},
        {"Pipe", false, false, {48.3, 40.3, 5800}, true, 5800, {48.3, 40.3}},
        {"Cylinder", true, false, {30, 1200}, false, 0, {}},
        {"Parallelepiped", false, false, {1000, 100, 10}, false, 0, {}},
        {"Sphere", false, false, {100}, false, 0, {}},
        {"Angle", false, false, {50, 50, 5, 0}, false, 0, {}},
        {"IPE 200", false, true, {6000}, true, 6000, {}},
        {"IPE 200", true, true, {6000}, false, 0, {}},
    };
    for (const Case& c : cases) {
        const auto item =
            OrderItemOf({c.shape, c.aperture, c.section, c.parameters, 2, "Steel", 1.5, std::nullopt});
        ASSERT_EQ(item.has_value(), c.ordered) << c.shape;
        if (item) {
            EXPECT_EQ(item->Length, c.length) << c.shape;
            EXPECT_EQ(item->CrossSection, c.crossSection) << c.shape;
        }
    }
}

// Rows keep their parameters as read, in their own unit; a shape the catalogue does not know is
// a standard section's designation.
TEST(OrderItems, RowsAreReadInMillimetres) {
    PartsListRow angle{3, CalcGroup::Object,        "Angle",          "centimeter",
                       2, {"5", "5", "0,5", "240"}, {5, 5, 0.5, 240}, "Steel"};
    angle.PieceMass = 9;
    const auto item = OrderItemOfRow(angle);
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(item->CrossSection, (std::vector<double>{50, 50, 5}));
    EXPECT_EQ(item->Length, 2400);
    EXPECT_EQ(item->Quantity, 2);

    const PartsListRow section{4, CalcGroup::Object, "IPE 200", "meter", 1, {"6"}, {6}, "Steel"};
    ASSERT_TRUE(OrderItemOfRow(section).has_value());
    EXPECT_EQ(OrderItemOfRow(section)->Length, 6000);
    EXPECT_TRUE(OrderItemOfRow(section)->CrossSection.empty());

    const PartsListRow hole{5, CalcGroup::Aperture, "Cylinder", "millimeter",
                            1, {"10", "100"},       {10, 100},  "Steel"};
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
    };
    const std::vector<OrderGroup> groups = GroupOrderItems(items);
    ASSERT_EQ(groups.size(), 4u);
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
    const auto orders = PlanOrder(items, {{6000000}, 3000});
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

TEST(OrderPlan, IdenticalBarsAreCountedOnce) {
    const Bar a{6000, {2400, 2400}, 1200};
    const Bar b{6000, {2400, 1150}, 2450};
    const Bar bars[] = {a, a, a, b};
    const auto runs = IdenticalBars(bars);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Count, 3);
    EXPECT_EQ(runs[1].Cut, b);
}

} // namespace
} // namespace volcalc::cutting
