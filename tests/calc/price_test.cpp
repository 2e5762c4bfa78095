// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ledger.h"
#include "calc/parts_list_writers.h"
#include "calc/price.h"
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
        const auto row = ledger.Calculate(step.Group, {ParallelepipedRule, texts, 1, "millimeter"});
        ASSERT_TRUE(row) << step.What;
        EXPECT_EQ(row->PricePerKg, step.TypedDensity ? std::nullopt : step.Price) << step.What;
        EXPECT_EQ(row->Cost, step.RowCost) << step.What;
        EXPECT_EQ(ledger.Totals().Cost, step.TotalCost) << step.What;
        EXPECT_EQ(ledger.Totals().UnpricedRows, step.Unpriced) << step.What;
    }
    const LedgerTotals last = ledger.Totals();
    ledger.UndoLast();
    EXPECT_EQ(ledger.Totals().Cost, 2000);
    EXPECT_EQ(ledger.Totals().UnpricedRows, 3u);
    EXPECT_EQ(last.TotalMass, 1000.0 * 5 - 500 * 2); // apertures still take their mass off
}

TEST(PriceText, TypedPricesReadOrAreRefusedWithTheReason) {
    const struct {
        const char* Text;
        std::optional<double> Price; // empty: refused
        const char* Message;
    } cases[] = {
        {"12.5", 12.5, ""},
        {"12,5", 12.5, ""},
        {" 0 ", 0.0, ""},
        {"-0", 0.0, ""},
        {"1000000000000", 1e12, ""},
        {"abc", std::nullopt, "'abc' is not a valid price"},
        {"", std::nullopt, "'' is not a valid price"},
        {"-1", std::nullopt, "A price cannot be negative: '-1'"},
        {"1000000000001", std::nullopt,
         "A price above 1000000000000 per kilogram is not taken: '1000000000001'"},
        {"1e400", std::nullopt, "'1e400' is not a valid price"},
    };
    for (const auto& c : cases) {
        if (c.Price) {
            EXPECT_EQ(PriceFromText(c.Text), *c.Price) << c.Text;
            continue;
        }
        try {
            PriceFromText(c.Text);
            ADD_FAILURE() << c.Text << " was taken";
        } catch (const PriceError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
    }
}

// What the catalogue holds reads back as the same price; anything else is no price.
TEST(PriceText, CatalogueTextRoundTripsAndRefusesWhatTypingWould) {
    for (const double price : {0.0, 0.1, 7.85, 123456.789, 1e-9, 1e12}) {
        EXPECT_EQ(ReadPriceText(PriceText(price)), price) << PriceText(price);
    }
    for (const char* text : {"", "1,5", "-1", "2e12", "nan", "inf", "1.5x", "0x10"}) {
        EXPECT_EQ(ReadPriceText(text), std::nullopt) << text;
    }
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
