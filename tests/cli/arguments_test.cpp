// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace volcalc::cli {
namespace {

CliCommand Parse(std::vector<std::string_view> arguments) {
    return ParseArguments(arguments, std::filesystem::path("default.ini"));
}

TEST(ParseArguments, OptionsAndTheirValues) {
    const CliCommand c = Parse({"--precise", "--strict", "--json", "--volume-unit", "inch", "--mass-unit",
                                "metric ton", "--ini", "my.ini", "parts.txt"});
    EXPECT_EQ(c.action, CliAction::Run);
    EXPECT_TRUE(c.options.precise);
    EXPECT_TRUE(c.options.strict);
    EXPECT_EQ(c.options.report, ReportFormat::Json);
    EXPECT_EQ(c.options.reportUnits.Volume, VolumeUnit::Inch);
    EXPECT_EQ(c.options.reportUnits.Mass, MassUnit::MetricTon);
    EXPECT_EQ(c.options.catalogue, std::filesystem::path("my.ini"));
    EXPECT_EQ(c.scriptFile, "parts.txt");

    const CliCommand list = Parse({"--csv", "--input-csv", "list.csv"});
    EXPECT_EQ(list.options.catalogue, std::filesystem::path("default.ini"));
    EXPECT_EQ(list.csvFile, "list.csv");
    EXPECT_EQ(list.scriptFile, "");
    // Help wins over whatever follows, even arguments that would be refused.
    EXPECT_EQ(Parse({"--csv", "--help", "--bogus"}).action, CliAction::Help);
    EXPECT_EQ(Parse({"-"}).scriptFile, "-");

    const CliCommand order = Parse({"--kerf", "2.5", "--order", "6000,12000.5"});
    ASSERT_TRUE(order.options.order.has_value());
    EXPECT_EQ(order.options.order->StockUnits(), (std::vector<cutting::Units>{6000000, 12000500}));
    EXPECT_EQ(order.options.order->Kerf.Length, 2500);
}

TEST(ParseArguments, RefusedCommandLines) {
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{"--bogus"}, "unexpected argument '--bogus'"},
        {{"a.txt", "b.txt"}, "unexpected argument 'b.txt'"},
        {{"--volume-unit"}, "--volume-unit needs a unit"},
        {{"--volume-unit", "litre"}, "unknown volume unit 'litre'"},
        {{"--mass-unit", "ounce"}, "unknown mass unit 'ounce'"},
        {{"--ini"}, "--ini needs a file"},
        {{"--input-csv"}, "--input-csv needs a file"},
        {{"--input-csv", "l.csv", "s.txt"}, "give either a script or --input-csv, not both"},
        {{"--order"}, "--order needs stock lengths"},
        {{"--order", "6000,,12000"}, "--order: '' is not a length greater than 0"},
        {{"--order", "6000,0"}, "--order: '0' is not a length greater than 0"},
        {{"--order", "0.0004"},
         "--order: '0.0004' is shorter than 0.001 mm, the least length the order plans"},
        {{"--order", "6000;12000"}, "--order: '6000;12000' is not a length greater than 0"},
        {{"--order", "6000", "--kerf", "-1"}, "--kerf: '-1' is not a length"},
        {{"--kerf", "3"}, "--kerf needs --order"},
        {{"--keep-offcuts", "500"}, "--keep-offcuts needs --order"},
        {{"--stock", "rack.csv"}, "--stock needs --order"},
        {{"--update-stock", "rack.csv"}, "--update-stock needs --order"},
        {{"--order", "6m:0"},
         "--order: '6m:0' limits a stock length to a count that is not a whole number from 1 to 1000000000"},
        {{"--order", "6 furlong"}, "--order: '6 furlong' has a unit other than mm, cm, m, in, ft or yd"},
        {{"--order", "6000", "--keep-offcuts", "0"}, "--keep-offcuts: '0' is not a length greater than 0"},
    };
    for (const auto& c : cases) {
        try {
            Parse(c.arguments);
            ADD_FAILURE() << c.message;
        } catch (const UsageError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

} // namespace
} // namespace volcalc::cli
