// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/errors.h"
#include "calc/ledger.h"
#include "calc/shapes.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace volcalc {
namespace {

using testing_support::RecordingView;
using testing_support::SelectedDensityStub;

class LedgerTest : public testing::Test {
protected:
    RecordingView view;
    SelectedDensityStub selection; // outlives the ledger that points at it
    Ledger ledger{view};

    void SetUp() override {
        selection.density = 7850;
        ledger.SetDensitySource(&selection);
        ledger.ClearLedger();
    }

    void Box(CalcGroup group, std::vector<std::string_view> texts, std::int32_t quantity = 1,
             LengthUnit unit = LengthUnit::Millimeter) {
        ledger.Calculate(group, {ObjectShapes.front(), texts, quantity, unit});
    }
};

TEST_F(LedgerTest, ClearedAtStart) {
    EXPECT_EQ(ledger.Totals(), LedgerTotals{});
    EXPECT_EQ(ledger.CurrentDensity(), 0);
    EXPECT_FALSE(ledger.UndoAvailable());
    EXPECT_TRUE(view.shown.empty()); // clearing shows nothing
}

TEST_F(LedgerTest, OneCubicMetreOfSteelThenTheAperture) {
    Box(CalcGroup::Object, {"1000", "1000", "1000"});
    EXPECT_EQ(ledger.Totals(),
              (LedgerTotals{1, 1, 0, 7850, 7850, 0, std::nullopt, 1, 6})); // no price: no cost
    EXPECT_EQ(ledger.CurrentDensity(), 7850);
    Box(CalcGroup::Aperture, {"500", "500", "1000"});
    EXPECT_EQ(ledger.Totals(), (LedgerTotals{0.75, 1, 0.25, 5887.5, 7850, 1962.5, std::nullopt, 2,
                                             6})); // a hole adds no surface
    EXPECT_EQ(view.shown.back(), ledger.Totals());
    EXPECT_EQ(view.displayResets, 2);
    EXPECT_TRUE(view.undoEnabled);
}

TEST_F(LedgerTest, QuantityAndLengthUnitScaleTheVolume) {
    const std::pair<LengthUnit, double> units[] = {{LengthUnit::Millimeter, 3 * 24e-9},
                                                   {LengthUnit::Centimeter, 3 * 24e-6},
                                                   {LengthUnit::Meter, 3 * 24.0}};
    for (const auto& [unit, expected] : units) {
        ledger.ClearLedger();
        Box(CalcGroup::Object, {"2", "3", "4"}, 3, unit);
        EXPECT_DOUBLE_EQ(ledger.Totals().ObjectVolume, expected) << NameOf(unit);
    }
}

TEST_F(LedgerTest, EachMassUsesTheDensityOfItsOwnCalculation) {
    Box(CalcGroup::Object, {"100", "100", "100"});
    selection.density = 1000;
    Box(CalcGroup::Object, {"200", "100", "100"});
    EXPECT_DOUBLE_EQ(ledger.Totals().ObjectMass, 7850 * 0.001 + 1000 * 0.002);
    EXPECT_EQ(ledger.CurrentDensity(), 1000);
}

TEST_F(LedgerTest, UndoRestoresOneStepOnly) {
    Box(CalcGroup::Object, {"1000", "1000", "1000"});
    const LedgerTotals afterFirst = ledger.Totals();
    Box(CalcGroup::Aperture, {"10", "10", "10"});
    ledger.UndoLast();
    EXPECT_EQ(ledger.Totals(), afterFirst);
    EXPECT_FALSE(ledger.UndoAvailable());
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.displayResets, 3);
    EXPECT_EQ(view.shown.back(), afterFirst);
}

TEST_F(LedgerTest, ResetZeroesAndKeepsDisplayUnits) {
    Box(CalcGroup::Object, {"1000", "1000", "1000"});
    const int resets = view.displayResets;
    ledger.ResetAll();
    EXPECT_EQ(ledger.Totals(), LedgerTotals{});
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.displayResets, resets);
    EXPECT_EQ(view.shown.back(), LedgerTotals{});
}

TEST_F(LedgerTest, MoreApertureThanObjectGoesNegative) {
    Box(CalcGroup::Object, {"10", "10", "10"});
    Box(CalcGroup::Aperture, {"20", "10", "10"});
    EXPECT_DOUBLE_EQ(ledger.Totals().TotalVolume, -1e-6);
    EXPECT_LT(ledger.Totals().TotalMass, 0);
}

TEST_F(LedgerTest, ZeroAndNegativeBoxesAreAccepted) {
    Box(CalcGroup::Object, {"0", "5", "5"});
    EXPECT_EQ(ledger.Totals().ObjectVolume, 0);
    Box(CalcGroup::Object, {"-10", "10", "10"});
    EXPECT_DOUBLE_EQ(ledger.Totals().ObjectVolume, -1e-6);
}

struct FailingInput {
    const char* name;
    std::vector<std::string_view> texts;
    LengthUnit unit;
    bool refused; // refused with the warning (WrongDataError), else another error
};

class LedgerFailure : public LedgerTest, public testing::WithParamInterface<FailingInput> {};

// A failed calculation leaves everything as it was: totals, snapshot, undo, display lists.
TEST_P(LedgerFailure, ChangesNothing) {
    Box(CalcGroup::Object, {"1000", "1000", "1000"});
    ledger.UndoLast();
    const LedgerTotals totals = ledger.Totals();
    const auto shown = view.shown.size();
    const int resets = view.displayResets;
    selection.density = 1;
    ledger.SetDensity(42);

    const auto& input = GetParam();
    try {
        Box(CalcGroup::Object, input.texts, 1, input.unit);
        ADD_FAILURE() << "accepted";
    } catch (const WrongDataError&) {
        EXPECT_TRUE(input.refused);
    } catch (const CalculationError&) {
        EXPECT_FALSE(input.refused);
    }
    EXPECT_EQ(ledger.Totals(), totals);
    EXPECT_FALSE(ledger.UndoAvailable());
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.shown.size(), shown);
    EXPECT_EQ(view.displayResets, resets);
    EXPECT_EQ(ledger.CurrentDensity(), 42);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LedgerFailure,
    testing::Values(FailingInput{"EmptySecond", {"1", "", "1"}, LengthUnit::Millimeter, true},
                    FailingInput{"EmptyBeforeUnreadable", {"x", "2", ""}, LengthUnit::Millimeter, true},
                    FailingInput{"Unreadable", {"1", "12a", "1"}, LengthUnit::Millimeter, false},
                    FailingInput{"OnlyBlanks", {"1", " ", "1"}, LengthUnit::Millimeter, false},
                    FailingInput{"OverflowInScaling", {"1e300", "1e10", "1"}, LengthUnit::Meter, false},
                    FailingInput{
                        "OverflowInVolume", {"1e300", "1e300", "1e300"}, LengthUnit::Millimeter, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LedgerTest, MassOverflowChangesNothing) {
    selection.density = 2147483647;
    EXPECT_THROW(Box(CalcGroup::Object, {"1e300", "1", "1"}, 1, LengthUnit::Meter), OverflowError);
    EXPECT_EQ(ledger.Totals(), LedgerTotals{});
    EXPECT_FALSE(ledger.UndoAvailable());
}

TEST_F(LedgerTest, TotalsOverflowChangesNothing) {
    selection.density = 0;
    Box(CalcGroup::Object, {"1e308", "1", "1"}, 1, LengthUnit::Meter);
    const LedgerTotals before = ledger.Totals();
    EXPECT_THROW(Box(CalcGroup::Object, {"1e308", "1", "1"}, 1, LengthUnit::Meter), OverflowError);
    EXPECT_EQ(ledger.Totals(), before);
}

} // namespace
} // namespace volcalc
