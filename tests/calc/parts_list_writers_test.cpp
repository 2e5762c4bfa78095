#include "calc/parts_list_writers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace volcalc {
namespace {

// The document as a tree, dumped in one piece: what the streamed writer must reproduce byte for byte.
std::string JsonAsOneDocument(const PartsList& list, const LedgerTotals& totals, ReportUnits units) {
    nlohmann::ordered_json document;
    document["volume_unit"] = "cubic " + std::string(NameOf(units.Volume));
    document["mass_unit"] = std::string(NameOf(units.Mass));
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const PartsListRow& row : list.Rows()) {
        const RowFigures f = FiguresOf(row, units);
        rows.push_back({{"line", row.Line},
                        {"group", row.Group == CalcGroup::Object ? "object" : "aperture"},
                        {"shape", row.Shape},
                        {"unit", row.Unit},
                        {"quantity", row.Quantity},
                        {"parameters", row.Parameters},
                        {"material", MaterialLabel(row)},
                        {"density", row.Density},
                        {"piece_volume", f.PieceVolume},
                        {"volume", f.Volume},
                        {"piece_mass", f.PieceMass},
                        {"mass", f.Mass}});
    }
    document["rows"] = std::move(rows);
    const LedgerTotals t = TotalsIn(totals, units);
    document["totals"]["object total"] = {{"volume", t.ObjectVolume}, {"mass", t.ObjectMass}};
    document["totals"]["aperture total"] = {{"volume", t.ApertureVolume}, {"mass", t.ApertureMass}};
    document["totals"]["total"] = {{"volume", t.TotalVolume}, {"mass", t.TotalMass}};
    return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

PartsListRow Row(std::size_t line, CalcGroup group, std::vector<std::string> parameters, std::string material,
                 double volume) {
    PartsListRow row;
    row.Line = line;
    row.Group = group;
    row.Shape = "Part of sphere";
    row.Unit = "inch";
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
    const LedgerTotals totals{1.0, 2.5, -1.5, 1e-320, 3.0, 4.0};
    for (const PartsList* list : {&empty, &mixed}) {
        for (const ReportUnits units : {ReportUnits{}, ReportUnits{VolumeUnit::Yard, MassUnit::MetricTon}}) {
            std::ostringstream out;
            WritePartsList(PartsListFormat::Json, out, *list, totals, units);
            EXPECT_EQ(out.str(), JsonAsOneDocument(*list, totals, units));
        }
    }
}

// The aperture total reads with the sign of the aperture rows; an empty one is a plain zero.
TEST(PartsListCsv, ApertureTotalCarriesTheSignOfItsRows) {
    const struct {
        LedgerTotals Totals;
        const char* Lines;
    } cases[] = {
        {{1.0, 2.5, 1.5, 3.0, 4.0, 1.0},
         ",object total,,,,,,,,,,,,2.5,,4\r\n,aperture "
         "total,,,,,,,,,,,,-1.5,,-1\r\n,total,,,,,,,,,,,,1,,3\r\n"},
        {{2.5, 2.5, 0.0, 4.0, 4.0, 0.0},
         ",object total,,,,,,,,,,,,2.5,,4\r\n,aperture "
         "total,,,,,,,,,,,,0,,0\r\n,total,,,,,,,,,,,,2.5,,4\r\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        WritePartsList(PartsListFormat::Csv, out, PartsList{}, c.Totals, ReportUnits{});
        const std::string text = out.str();
        EXPECT_EQ(text.substr(text.find("\r\n") + 2), c.Lines);
    }
}

} // namespace
} // namespace volcalc
