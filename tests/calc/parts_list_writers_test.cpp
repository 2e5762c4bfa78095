// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/parts_list_writers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <sstream>
#include <string>

namespace volcalc {
namespace {

// The document as a tree, dumped in one piece: what the streamed writer must reproduce byte for byte.
std::string JsonAsOneDocument(const PartsList& list, const LedgerTotals& totals, ReportUnits units,
                              const std::string& currency) {
    const auto optional = [](std::optional<double> value) {
        return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    nlohmann::ordered_json document;
    document["format"] = "volcalc-job";
    document["version"] = 1;
    document["volume_unit"] = "cubic " + std::string(NameOf(units.Volume));
    document["mass_unit"] = std::string(NameOf(units.Mass));
    document["currency"] =
        currency.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(currency);
    document["stock_lengths"] = nlohmann::ordered_json::array();
    document["kerf"] = "";
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const PartsListRow& row : list.Rows()) {
        const RowFigures f = FiguresOf(row, units);
        rows.push_back({{"line", row.Line},
                        {"mark", row.Mark},
                        {"note", row.Note},
                        {"group", row.Group == CalcGroup::Object ? "object" : "aperture"},
                        {"shape", std::string(ShapeName(row))},
                        {"unit", std::string(NameOf(row.Unit))},
                        {"quantity", row.Quantity},
                        {"parameters", row.Parameters},
                        {"material", MaterialLabel(row)},
                        {"density", row.Density},
                        {"piece_volume", f.PieceVolume},
                        {"volume", f.Volume},
                        {"piece_mass", f.PieceMass},
                        {"mass", f.Mass},
                        {"price_per_kg", optional(row.PricePerKg)},
                        {"cost", optional(row.Cost)}});
    }
    document["rows"] = std::move(rows);
    const LedgerTotals t = TotalsIn(totals, units);
    document["totals"]["object total"] = {
        {"volume", t.ObjectVolume}, {"mass", t.ObjectMass}, {"cost", optional(t.Cost)}};
    document["totals"]["aperture total"] = {
        {"volume", t.ApertureVolume}, {"mass", t.ApertureMass}, {"cost", 0.0}};
    document["totals"]["total"] = {
        {"volume", t.TotalVolume}, {"mass", t.TotalMass}, {"cost", optional(t.Cost)}};
    document["totals"]["unpriced_rows"] = t.UnpricedRows;
    return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

PartsListRow Row(std::size_t line, CalcGroup group, std::vector<std::string> parameters, std::string material,
                 double volume) {
    PartsListRow row;
    row.Line = line;
    row.Group = group;
    row.Shape = FindShape(CalcGroup::Object, "Part of sphere");
    row.Unit = LengthUnit::Inch;
    row.Quantity = 1000;
    row.Parameters = std::move(parameters);
    row.Material = std::move(material);
    row.Density = 2147483647;
    row.PieceVolume = volume / 1000;
    row.Volume = volume;
    row.PieceMass = volume * 7.85;
    row.Mass = -0.0;
    return row;
}

TEST(PartsListJson, StreamedDocumentIsTheDocumentDumpedWhole) {
    PartsList empty;
    PartsList mixed;
    mixed.Add(Row(1, CalcGroup::Object, {"1,5", "2"}, "Oak, \"quartersawn\"", 1e-05));
    mixed.Add(Row(7, CalcGroup::Aperture, {}, "Pine\r\n\tdry \x01 \xC3\xA9 \xFF broken", -123456789.125));
    mixed.Add(Row(9, CalcGroup::Object, {"a", "b", "c", "d", "Length"}, "", 1e300));
    PartsListRow priced = Row(10, CalcGroup::Object, {"1"}, "Brass", 1.0);
    priced.PricePerKg = 0.1;
    priced.Cost = 1e300;
    mixed.Add(priced);
    const LedgerTotals totals{1.0, 2.5, -1.5, 1e-320, 3.0, 4.0, 12.75, 3};
    for (const PartsList* list : {&empty, &mixed}) {
        for (const ReportUnits units : {ReportUnits{}, ReportUnits{VolumeUnit::Yard, MassUnit::MetricTon}}) {
            for (const std::string currency : {"", "K\xC4\x8D \"x\""}) {
                std::ostringstream out;
                WritePartsList(PartsListFormat::Json, out, *list, totals, units, {}, {currency, false});
                EXPECT_EQ(out.str(), JsonAsOneDocument(*list, totals, units, currency));
            }
        }
    }
}

// The aperture total reads with the sign of the aperture rows; an empty one is a plain zero. The
// cost total stands in the object total and the total, the aperture total costing nothing; with no
// row priced, no total has a cost.
TEST(PartsListCsv, ApertureTotalCarriesTheSignOfItsRows) {
    const struct {
        LedgerTotals Totals;
        const char* Lines;
    } cases[] = {
        {{1.0, 2.5, 1.5, 3.0, 4.0, 1.0, 12.5, 2},
         ",object total,,,,,,,,,,,,2.5,,4,,12.5\r\n,aperture "
         "total,,,,,,,,,,,,-1.5,,-1,,0\r\n,total,,,,,,,,,,,,1,,3,,12.5\r\n"},
        {{2.5, 2.5, 0.0, 4.0, 4.0, 0.0},
         ",object total,,,,,,,,,,,,2.5,,4,,\r\n,aperture "
         "total,,,,,,,,,,,,0,,0,,\r\n,total,,,,,,,,,,,,2.5,,4,,\r\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        WritePartsList(PartsListFormat::Csv, out, PartsList{}, c.Totals, ReportUnits{});
        const std::string text = out.str();
        EXPECT_EQ(text.substr(text.find("\r\n") + 2), c.Lines);
    }
}

// The text gains price and cost columns and the cost lines only when a row or the catalogue has a
// price, so that a report without prices reads as it always did; with no row priced, the cost
// lines name no sum.
TEST(PartsListText, CostsOnlyWhenARowHasAPrice) {
    PartsListRow plain = Row(1, CalcGroup::Object, {"1"}, "Oak", 1.0);
    PartsListRow priced = plain;
    priced.PricePerKg = 2.5;
    priced.Cost = 19.6251;
    PartsListRow hole = Row(2, CalcGroup::Aperture, {"1"}, "Oak", -0.5);
    hole.PricePerKg = 2.5;
    hole.Cost = 0.0;
    const struct {
        std::vector<PartsListRow> Rows;
        bool CataloguePriced;
        std::optional<double> Cost;
        const char* Tail;  // what follows the mass column of the first row
        const char* Costs; // the lines after the mass totals
    } cases[] = {
        {{plain}, false, std::nullopt, "\n", ""},
        {{plain}, true, std::nullopt, "\t\t\n", "cost\tEUR\t\t\t\nunpriced rows\t1\n"},
        {{plain, hole}, false, 19.6251, "\t\t\n", "cost\tEUR\t19.63\t0.00\t19.63\nunpriced rows\t1\n"},
        {{priced}, false, 19.6251, "\t2.5\t19.63\n", "cost\tEUR\t19.63\t0.00\t19.63\nunpriced rows\t1\n"},
    };
    for (const auto& c : cases) {
        const LedgerTotals totals{0.5, 1.0, 0.5, 3.925, 7.85, 3.925, c.Cost, 1};
        PartsList list;
        for (const PartsListRow& row : c.Rows) {
            list.Add(row);
        }
        std::ostringstream out;
        WritePartsList(PartsListFormat::Text, out, list, totals, ReportUnits{}, {},
                       {"EUR", c.CataloguePriced});
        const std::string text = out.str();
        std::size_t tail = text.find('\n') + 1; // the first row, after its twelve columns
        for (int column = 0; column < 11; ++column) {
            tail = text.find('\t', tail) + 1;
        }
        tail = text.find_first_of("\t\n", tail);
        EXPECT_EQ(text.substr(tail, text.find('\n', tail) + 1 - tail), c.Tail);
        const std::size_t massLine = text.find("\nmass\t") + 1;
        EXPECT_EQ(text.substr(text.find('\n', massLine) + 1), c.Costs);
        EXPECT_EQ(text.find("price per kg") != std::string::npos, *c.Costs != 0);
    }
}

// A text cell that a spreadsheet would run as a formula is written as text; a figure, negative or
// not, stays a number.
TEST(PartsListCsv, TextThatLooksLikeAFormulaIsGuardedAndFiguresStayNumbers) {
    const struct {
        const char* Typed;
        const char* Written;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+10", "\"'+10\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\tx", "\"'\tx\""},
        {"\rx", "\"'\rx\""},
        {"Steel = iron", "\"Steel = iron\""},
    };
    for (const auto& c : cases) {
        PartsList list;
        PartsListRow row = Row(1, CalcGroup::Aperture, {c.Typed}, c.Typed, 2);
        ShapeEntry typed; // as a standard section's designation may read
        typed.DisplayName = c.Typed;
        row.Shape = &typed;
        row.Volume = -2;
        row.Mass = -15.7;
        list.Add(row);
        std::ostringstream out;
        WritePartsList(PartsListFormat::Csv, out, list, {}, ReportUnits{});
        const std::string text = out.str();
        const std::size_t start = text.find("\r\n") + 2;
        const std::string line = text.substr(start, text.find("\r\n", start) - start);
        const std::string written = c.Written;
        EXPECT_EQ(line, "1,aperture," + written + ",inch,1000," + written + ",,,,," + written +
                            ",2147483647,0.002,-2,15.7,-15.7,,")
            << c.Typed;
    }
}

} // namespace
} // namespace volcalc
