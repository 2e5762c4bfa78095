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

} // namespace
} // namespace volcalc::cli
