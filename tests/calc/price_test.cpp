// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ledger.h"
#include "calc/number_text.h"
#include "calc/parts_list_writers.h"
#include "calc/price.h"
#include "calc/shapes.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace volcalc {
namespace {

using testing_support::RecordingView;
using testing_support::SelectedDensityStub;

// Each step one calculation of a 1 m³ box (a 0.5 m³ one for apertures), with the selection as given
// or a density typed by hand; then the row's cost and the totals it leaves.
struct CostStep {
    const char* What;
    CalcGroup Group;
    std::optional<double> Price; // the selected material's
    bool TypedDensity;
    std::optional<double> RowCost;
    double TotalCost;
    std::size_t Unpriced;
};

TEST(CostRule, ObjectsCostMassTimesPriceAperturesNothingUnpricedRowsCounted) {
    const CostStep steps[] = {
        {"an object at 2 per kg costs its 1000 kg", CalcGroup::Object, 2.0, false, 2000.0, 2000, 0},
        {"an aperture of priced material adds no cost", CalcGroup::Aperture, 2.0, false, 0.0, 2000, 0},
        {"an object without a price has no cost", CalcGroup::Object, std::nullopt, false, std::nullopt, 2000,
         1},
        {"a typed density has no price, whatever the selection's", CalcGroup::Object, 5.0, true, std::nullopt,
         2000, 2},
        {"an aperture without a price has none either", CalcGroup::Aperture, std::nullopt, false,
         std::nullopt, 2000, 3},
        {"a price of 0 is a price", CalcGroup::Object, 0.0, false, 0.0, 2000, 3},
        {"costs add up", CalcGroup::Object, 0.25, false, 250.0, 2250, 3},
    };
    RecordingView view;
    SelectedDensityStub selection;
    selection.density = 1000;
    Ledger ledger(view);
    for (const CostStep& step : steps) {
        selection.price = step.Price;
        if (step.TypedDensity) {
            ledger.SetDensitySource(nullptr);
            ledger.SetDensity(1000);
        } else {
            ledger.SetDensitySource(&selection);
        }
        const std::vector<std::string_view> texts = {"1000", "1000",
                                                     step.Group == CalcGroup::Object ? "1000" : "500"};
        const auto row =
            ledger.Calculate(step.Group, {ObjectShapes.front(), texts, 1, LengthUnit::Millimeter});
        EXPECT_EQ(row.PricePerKg, step.TypedDensity ? std::nullopt : step.Price) << step.What;
        EXPECT_EQ(row.Cost, step.RowCost) << step.What;
        EXPECT_EQ(ledger.Totals().Cost, step.TotalCost) << step.What;
        EXPECT_EQ(ledger.Totals().UnpricedRows, step.Unpriced) << step.What;
    }
    const LedgerTotals last = ledger.Totals();
    ledger.UndoLast();
    EXPECT_EQ(ledger.Totals().Cost, 2000);
    EXPECT_EQ(ledger.Totals().UnpricedRows, 3u);
    EXPECT_EQ(last.TotalMass, 1000.0 * 5 - 500 * 2); // apertures still take their mass off
}

// Border values of a price: what typing it stores in the catalogue (and the catalogue reads back
// as the same price), what a report shows with "," as separator, or why it is refused (and the
// catalogue would not read it either).
TEST(PriceText, BorderValuesStoredShownOrRefused) {
    const std::string plainTiny = "0." + std::string(61, '0') + "1"; // the longest plain form kept
    const struct {
        const char* What;
        std::string Typed;
        std::string Stored; // empty: refused with the message
        std::string Shown;
        std::string Message;
    } cases[] = {
        {"a plain price", "12.5", "12.5", "12,5", ""},
        {"a comma typed", "12,5", "12.5", "12,5", ""},
        {"blanks around 0", " 0 ", "0", "0", ""},
        {"negative zero", "-0", "0", "0", ""},
        {"the limit", "1000000000000", "1000000000000", "1000000000000", ""},
        {"the limit in the E form", "1e12", "1000000000000", "1000000000000", ""},
        {"tiny but plain", "1e-9", "0.000000001", "0,000000001", ""},
        {"1e-62 still plain", "1e-62", plainTiny, "0," + plainTiny.substr(2), ""},
        {"a plain form too long", "1.5e-62", "1.5e-62", "1,5e-62", ""},
        {"1e-63", "1e-63", "1e-63", "1e-63", ""},
        {"the smallest normal", "2.2250738585072014e-308", "2.2250738585072014e-308",
         "2,2250738585072014e-308", ""},
        {"the smallest denormal", "5e-324", "5e-324", "5e-324", ""},
        {"below any double", "1e-400", "", "", "'1e-400' is not a valid price"},
        {"not a number", "abc", "", "", "'abc' is not a valid price"},
        {"nothing", "", "", "", "'' is not a valid price"},
        {"NaN", "nan", "", "", "'nan' is not a valid price"},
        {"infinity", "inf", "", "", "'inf' is not a valid price"},
        {"beyond a double", "1e400", "", "", "'1e400' is not a valid price"},
        {"negative", "-1", "", "", "A price cannot be negative: '-1'"},
        {"above the limit", "1000000000001", "", "",
         "A price above 1000000000000 per kilogram is not taken: '1000000000001'"},
        {"above the limit in the E form", "2e12", "", "",
         "A price above 1000000000000 per kilogram is not taken: '2e12'"},
    };
    SetDecimalSeparator(',');
    for (const auto& c : cases) {
        if (c.Stored.empty()) {
            try {
                PriceFromText(c.Typed);
                ADD_FAILURE() << c.What << " was taken";
            } catch (const PriceError& e) {
                EXPECT_EQ(std::string(e.what()), c.Message) << c.What;
            }
            EXPECT_EQ(ReadPriceText(c.Typed), std::nullopt) << c.What;
            continue;
        }
        const double price = PriceFromText(c.Typed);
        EXPECT_EQ(PriceText(price), c.Stored) << c.What;
        EXPECT_EQ(ReadPriceText(c.Stored), price) << c.What;
        EXPECT_EQ(FormatPrice(price), c.Shown) << c.What;
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(ReadPriceText("1,5"), std::nullopt); // the file has "." only
}

TEST(CurrencyText, ShortCodesWithoutTheFileSyntax) {
    EXPECT_EQ(CurrencyFromText(" EUR "), "EUR");
    EXPECT_EQ(CurrencyFromText("K\xC4\x8D"), "K\xC4\x8D");
    EXPECT_EQ(CurrencyFromText(""), "");
    for (const char* text : {"US D", "E=R", "[EUR]", "EUR\r", "ABCDEFGHIJKLM"}) {
        EXPECT_THROW(CurrencyFromText(text), PriceError) << text;
    }
}

} // namespace
} // namespace volcalc
