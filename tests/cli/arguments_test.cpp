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
