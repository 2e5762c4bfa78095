#include "cli/help_text.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

namespace volcalc::cli {
namespace {

// The manual page is written by hand around a block that must be the shape table's own words.
TEST(ManualPage, ListsTheShapesAndUnitsOfTheTable) {
    const std::string page = test::ReadBytes(VOLCALC_MANUAL_PAGE);
    const std::string begin = ".\\\" shapes-begin\n";
    const auto from = page.find(begin);
    const auto to = page.find(".\\\" shapes-end\n");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    std::string block = page.substr(from + begin.size(), to - from - begin.size());
    for (std::size_t at; (at = block.find("\\-")) != std::string::npos;) {
        block.erase(at, 1);
    }
    EXPECT_EQ(block, ShapeListText() + UnitListText())
        << "paste the lines of 'volcalc-cli --help' into packaging/volcalc-cli.1.in, '-' written '\\-'";
}

} // namespace
} // namespace volcalc::cli
