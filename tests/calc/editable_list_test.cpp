// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/errors.h"
#include "calc/ledger.h"
#include "calc/parts_list.h"
#include "calc/row_evaluation.h"
#include "calc/shapes.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace volcalc {
namespace {

using testing_support::SelectedDensityStub;

// A row as the main window makes it, through the ledger, with a material that has a price.
PartsListRow Calculated(CalcGroup group, std::vector<std::string_view> texts, std::int32_t quantity,
                        std::int32_t density = 7850) {
    SelectedDensityStub material;
    material.density = density;
    material.price = 1.35;
    Ledger ledger;
    ledger.SetDensitySource(&material);
    return ledger.Calculate(group, {ObjectShapes.front(), texts, quantity, LengthUnit::Millimeter});
}

// Random edits of a list against a plain vector of the same rows; the list's totals against those a
// ledger reaches adding the rows one by one, as the command line does.
TEST(EditableList, EditsFollowAPlainVectorAndTotalsThoseOfALedger) {
    std::mt19937 random(20261208);
    PartsList list;
    std::vector<PartsListRow> model;
    for (int step = 0; step < 400; ++step) {
        const std::size_t size = model.size();
        const unsigned kind = random() % 4;
        PartsListRow row = Calculated(random() % 3 == 0 ? CalcGroup::Aperture : CalcGroup::Object,
                                      {std::to_string(random() % 900 + 1) + ".3", "7.1", "0.35"},
                                      static_cast<std::int32_t>(random() % 1000 + 1));
        row.Mark = "M" + std::to_string(step);
        if (kind <= 1 || size == 0) {
            const std::size_t at = random() % (size + 1);
            list.Insert(at, row);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), row);
        } else if (kind == 2) {
            const std::size_t at = random() % size;
            EXPECT_EQ(list.Remove(at), model[at]);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            const std::size_t at = random() % size;
            EXPECT_EQ(list.Replace(at, row), model[at]);
            model[at] = row;
        }
        ASSERT_EQ(list.Rows(), model) << "step " << step;
        Ledger ledger;
        for (const PartsListRow& added : model) {
            ledger.Add(added);
        }
        ASSERT_EQ(list.Totals(), ledger.Totals()) << "step " << step;
    }
    EXPECT_EQ(list.ReplaceAll({}), model);
    EXPECT_EQ(list.Totals(), LedgerTotals{});
}

TEST(EvaluateAgain, GivesTheSameRowFromItsTextsAndItsOwnMaterial) {
    PartsListRow row = Calculated(CalcGroup::Object, {"1000.1", "3e2", "0.7"}, 17, 7851);
    row.Line = 4;
    row.Mark = "C1";
    row.Note = "base plate";
    EXPECT_EQ(EvaluateAgain(row), row);
    PartsListRow expected = Calculated(CalcGroup::Object, {"1000.1", "3e2", "0.7"}, 1000, 7851);
    expected.Line = 4;
    expected.Mark = "C1";
    expected.Note = "base plate";
    row.Quantity = 1000;
    EXPECT_EQ(EvaluateAgain(row), expected);
}

// An edited text refused by EvaluateAgain gives the message the main window's calculation gives.
TEST(EvaluateAgain, RefusesWithTheMainWindowsMessage) {
    struct Case {
        const char* name;
        std::vector<std::string> texts;
        std::int32_t quantity;
    };
    const Case cases[] = {
        {"text that is not a number", {"12a", "1", "1"}, 1},
        {"empty text", {"1", "", "1"}, 1},
        {"too few texts", {"1", "1"}, 1},
        {"quantity beyond the field's", {"1", "1", "1"}, 1001},
    };
    const PartsListRow good = Calculated(CalcGroup::Object, {"1", "1", "1"}, 1);
    for (const Case& c : cases) {
        PartsListRow edited = good;
        edited.Parameters = c.texts;
        edited.Quantity = c.quantity;
        std::string windows;
        try {
            std::vector<std::string_view> views(c.texts.begin(), c.texts.end());
            Ledger ledger;
            ledger.Calculate(CalcGroup::Object,
                             {ObjectShapes.front(), views, c.quantity, LengthUnit::Millimeter});
            windows = "(none)";
        } catch (const CalculationError& e) {
            windows = e.what();
        }
        if (c.quantity != 1) {
            windows = WrongDataError().what(); // the field never holds it; the row is damaged
        }
        try {
            EvaluateAgain(edited);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const CalculationError& e) {
            EXPECT_EQ(e.what(), windows) << c.name;
        }
    }
    // A cylinder of negative diameter makes no solid.
    PartsListRow cylinder = good;
    cylinder.Shape = FindShape(CalcGroup::Object, "Cylinder");
    cylinder.Parameters = {"-1", "1"};
    EXPECT_THROW(EvaluateAgain(cylinder), WrongDataError);
}

} // namespace
} // namespace volcalc
