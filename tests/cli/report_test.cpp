// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/csv_rows.h"
#include "materials/temp_folder.h"
#include "session_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace volcalc {
namespace {

using testing_support::RunScriptText;

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    EXPECT_FALSE(jobs::ReadCsvRows(
        in, [&](const std::vector<std::string>& fields, std::size_t) { rows.push_back(fields); }));
    return rows;
}

class ReportTest : public testing::Test {
protected:
    test::TempFolder dir;
    cli::ScriptOptions options;

    void SetUp() override {
        test::WriteBytes(dir / "volcalc.ini", "[Count]\nCount=3\n[Material]\n0=Steel\n"
                                              "1=Oak, \"quartersawn\"\n2=Aluminium\n"
                                              "[Density]\n0=7850\n1=700\n2=2700\n");
        options.catalogue = dir / "volcalc.ini";
    }
};

const char* MixedList = "object Parallelepiped millimeter 2 1000 500 10\n" // 1: steel plates
                        "aperture Cylinder millimeter 4 20 10\n"           // 2: holes in them
                        "material Aluminium\n"
                        "object \"I-Beam\" meter 1 0,2 0.1 0.008 0.0125 6\n" // 4
                        "object Sphere centimeter 1 10\n"                    // 5: taken back
                        "undo\n"
                        "density 1000\n"
                        "aperture Cone inch 3 2 4\n"; // 8

TEST_F(ReportTest, RowsOfAMixedListWithUndo) {
    options.report = cli::ReportFormat::Text;
    const auto r = RunScriptText(MixedList, options);
    EXPECT_EQ(r.err, "");
    std::istringstream lines(r.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 7u) << r.out;
    EXPECT_EQ(
        rows[1],
        "1\tobject\tParallelepiped\tmillimeter\t2\t1000 500 10\tSteel\t7850\t0.005\t0.010\t39.250\t78.500");
    EXPECT_EQ(rows[2],
              "2\taperture\tCylinder\tmillimeter\t4\t20 10\tSteel\t7850\t0.000\t0.000\t-0.025\t-0.099");
    // 2 x 0.1 x 0.0125 + (0.2 - 2 x 0.0125) x 0.008 = 0.0039 m2, 6 m long
    EXPECT_EQ(rows[3], "4\tobject\tI-Beam\tmeter\t1\t0,2 0.1 0.008 0.0125 6\tAluminium\t2700\t0.023\t0.023\t"
                       "63.180\t63.180");
    EXPECT_EQ(rows[4], "8\taperture\tCone\tinch\t3\t2 4\tdensity 1000\t1000\t0.000\t0.000\t-0.069\t-0.206");
    EXPECT_EQ(rows[5].substr(0, 13), "volume\tmeter\t");
}

TEST_F(ReportTest, ResetClearsTheList) {
    options.report = cli::ReportFormat::Csv;
    const auto r = RunScriptText(std::string(MixedList) + "reset\nobject Sphere meter 1 1\n", options);
    const auto rows = ParseCsv(r.out);
    ASSERT_EQ(rows.size(), 5u); // header, one row, three totals
    EXPECT_EQ(rows[1][0], "10");
    EXPECT_EQ(rows[1][2], "Sphere");
    EXPECT_EQ(rows[1][10], "density 1000");
    EXPECT_EQ(std::stod(rows[1][13]), std::stod(rows[2][13]));
}

TEST_F(ReportTest, CsvKeepsQuotesAndCommasInNames) {
    options.report = cli::ReportFormat::Csv;
    options.reportUnits = {VolumeUnit::Centimeter, MassUnit::Gram};
    test::WriteBytes(dir / "list.csv",
                     "object,Cylinder,millimeter,2,\"Oak, \"\"quartersawn\"\"\",100,1000\r\n");
    std::ifstream csv(dir / "list.csv", std::ios::binary);
    std::ostringstream out, err;
    cli::ScriptSession session(options, out, err);
    EXPECT_EQ(session.RunCsv(csv), 0) << err.str();
    const auto rows = ParseCsv(out.str());
    ASSERT_EQ(rows.size(), 5u) << out.str();
    EXPECT_EQ(rows[0][12], "piece_volume_cubic_centimeter");
    EXPECT_EQ(rows[0][15], "mass_gram");
    EXPECT_EQ(rows[1][10], "Oak, \"quartersawn\"");
    EXPECT_EQ(rows[1][11], "700");
    EXPECT_DOUBLE_EQ(std::stod(rows[1][13]), 2 * 7853.981633974483);
    EXPECT_DOUBLE_EQ(std::stod(rows[1][15]), 2 * 7853.981633974483 * 0.7);
}

// The catalogue file cannot hold a line break, but the writer must quote one wherever it comes from.
TEST(CsvReportWriter, QuotesLineBreaksQuotesAndCommas) {
    cli::Report report;
    cli::ReportRow row;
    row.Line = 7;
    row.Shape = FindShape(CalcGroup::Object, "Sphere");
    row.Unit = LengthUnit::Meter;
    row.Parameters = {"1,5"};
    row.Material = "Pine\r\n\"dry\", planed";
    row.Volume = row.PieceVolume = 1.5;
    report.Add(row);
    std::ostringstream out;
    WritePartsList(PartsListFormat::Csv, out, report, {}, {});
    const auto rows = ParseCsv(out.str());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][5], "1,5");
    EXPECT_EQ(rows[1][10], "Pine\r\n\"dry\", planed");
    EXPECT_EQ(rows[1][13], "1.5");
}

TEST_F(ReportTest, JsonDocument) {
    options.report = cli::ReportFormat::Json;
    const auto r = RunScriptText(std::string(MixedList) + "show\n", options);
    const auto document = nlohmann::json::parse(r.out);
    EXPECT_EQ(document["volume_unit"], "cubic meter");
    ASSERT_EQ(document["rows"].size(), 4u);
    EXPECT_EQ(document["rows"][2]["parameters"], nlohmann::json({"0,2", "0.1", "0.008", "0.0125", "6"}));
    EXPECT_DOUBLE_EQ(document["rows"][1]["volume"].get<double>(),
                     -4 * 3.141592653589793 * 20 * 20 / 4 * 10 / 1e9);
    const double sum =
        document["rows"][0]["volume"].get<double>() + document["rows"][1]["volume"].get<double>() +
        document["rows"][2]["volume"].get<double>() + document["rows"][3]["volume"].get<double>();
    EXPECT_NEAR(document["totals"]["total"]["volume"].get<double>(), sum, 1e-15);
}

TEST_F(ReportTest, SpreadsheetCsvWithBomAndCrlf) {
    test::WriteBytes(dir / "sheet.csv", "\xEF\xBB\xBFgroup,shape,unit,quantity,material,p1,p2,p3,p4,p5\r\n"
                                        "object,Parallelepiped,millimeter,1,Steel,1000,1000,1000,,\r\n"
                                        "aperture,Parallelepiped,millimeter,1,,500,500,1000\r\n"
                                        "object,Cylinder,meter,3,density 1000,\"0,5\",2,,,\r\n");
    std::ifstream csv(dir / "sheet.csv", std::ios::binary);
    std::ostringstream out, err;
    cli::ScriptSession session(options, out, err);
    EXPECT_EQ(session.RunCsv(csv), 0);
    EXPECT_EQ(err.str(), "");
    const double cylinder = 3 * 3.141592653589793 * 0.25 / 4 * 2;
    EXPECT_DOUBLE_EQ(session.GetLedger().Totals().ObjectVolume, 1 + cylinder);
    EXPECT_DOUBLE_EQ(session.GetLedger().Totals().ApertureMass, 1962.5);
    EXPECT_DOUBLE_EQ(session.GetLedger().Totals().ObjectMass, 7850 + 1000 * cylinder);
}

TEST_F(ReportTest, CsvErrorsNameRowAndColumn) {
    test::WriteBytes(dir / "bad.csv", "object,Cube,millimeter,1,,1\n"
                                      "object,Cylinder,millimeter,1,,12a,1\n"
                                      "object,Cylinder,millimeter,1,,1,\n"
                                      "object,Cylinder,millimeter,1,,1,2,3\n"
                                      "part,Cylinder,millimeter,1,,1,2\n"
                                      "object,Cylinder,mile,1,,1,2\n"
                                      "object,Cylinder,millimeter,1,Gold,1,2\n"
                                      "object,Pipe,millimeter,1,,10,12,5\n"
                                      "object,Cylinder\n"
                                      "object,Cylinder,millimeter,1,,1,2\n"
                                      "object,Cylinder,millimeter,0,,1,2\n");
    std::ifstream csv(dir / "bad.csv", std::ios::binary);
    std::ostringstream out, err;
    cli::ScriptSession session(options, out, err);
    EXPECT_EQ(session.RunCsv(csv), 1);
    EXPECT_EQ(err.str(), "line 1, column shape: unknown object shape \"Cube\"\n"
                         "line 2, column p1: '12a' is not a valid floating point value.\n"
                         "line 3, column p2: \"Cylinder\" takes 2 parameters, 1 given\n"
                         "line 4, column p3: \"Cylinder\" takes 2 parameters, 3 given\n"
                         "line 5, column group: expected object or aperture, found \"part\"\n"
                         "line 6, column unit: unknown length unit \"mile\"\n"
                         "line 7, column material: no material named \"Gold\"\n"
                         "line 8: Wrong data input. Check up all entered parameters.\n"
                         "line 9: expected group,shape,unit,quantity,material,p1..p5 but found 2 columns\n"
                         "line 11, column quantity: warning: quantity \"0\" is read as 1\n");
    EXPECT_DOUBLE_EQ(session.GetLedger().Totals().ObjectVolume, 2 * 3.141592653589793 / 4 * 2 / 1e9);
}

} // namespace
} // namespace volcalc
