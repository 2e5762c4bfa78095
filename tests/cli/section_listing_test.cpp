// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace volcalc::cli {
namespace {

TEST(SectionListing, TabSeparatedLinesAndWarningsForBadRows) {
    test::TempFolder user;
    test::WriteBytes(user / "mine.csv",
                     "designation,h,b,t,area_cm2\nMY HEA 10,40,40,2,2.39\nMY HEA 11,40,40\n");
    const sections::SectionFolders folders{std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections",
                                           user.Path()};
    const std::vector<std::string_view> arguments = {"--sections", "HEA 10"};
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(arguments, CatalogueFiles(), in, out, err, folders), ExitSuccess);
    EXPECT_EQ(out.str(), "HEA 100\tHEA\tEN 10365\t21.24\t0.5614\n"
                         "HEA 1000\tHEA\tEN 10365\t346.85\t3.095\n"
                         "MY HEA 10\tmine\t\t2.390\t\n"); // a table of areas alone tells no outline
    EXPECT_EQ(err.str(), "volcalc-cli: warning: " + (user / "mine.csv").string() +
                             ", line 3: 3 fields where the header has 5; the row is left out.\n");
}

TEST(SectionListing, AmericanShapesByEitherDesignation) {
    const sections::SectionFolders folders{std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections",
                                           {}};
    const struct {
        const char* text;
        const char* listed;
    } cases[] = {
        // Not the W33 shapes, whose metric designations start with W840.
        {"W8", "W8X67\tW shapes\tAISC v15.0\t127.10\t1.250\nW8X58\tW shapes\tAISC v15.0\t110.32\t1.240\n"
               "W8X48\tW shapes\tAISC v15.0\t91.00\t1.220\nW8X40\tW shapes\tAISC v15.0\t75.50\t1.200\n"
               "W8X35\tW shapes\tAISC v15.0\t66.50\t1.190\nW8X31\tW shapes\tAISC v15.0\t58.90\t1.190\n"
               "W8X28\tW shapes\tAISC v15.0\t53.23\t1.040\nW8X24\tW shapes\tAISC v15.0\t45.68\t1.030\n"
               "W8X21\tW shapes\tAISC v15.0\t39.74\t0.9300\nW8X18\tW shapes\tAISC v15.0\t33.94\t0.9220\n"
               "W8X15\tW shapes\tAISC v15.0\t28.65\t0.7950\nW8X13\tW shapes\tAISC v15.0\t24.77\t0.7870\n"
               "W8X10\tW shapes\tAISC v15.0\t19.10\t0.7800\n"},
        // Only metric designations hold it: listed by them.
        {"w 200 x 4",
         "W200X46.1\tW shapes\tAISC v15.0\t58.90\t1.190\nW200X41.7\tW shapes\tAISC v15.0\t53.23\t1.040\n"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string_view> arguments = {"--sections", c.text};
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCommandLine(arguments, CatalogueFiles(), in, out, err, folders), ExitSuccess);
        EXPECT_EQ(out.str(), c.listed) << c.text;
        EXPECT_EQ(err.str(), "");
    }
}

} // namespace
} // namespace volcalc::cli
