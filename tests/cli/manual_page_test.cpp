// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help_text.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace volcalc::cli {
namespace {

std::string WithoutRoffDashes(std::string text) {
    for (std::size_t at; (at = text.find("\\-")) != std::string::npos;) {
        text.erase(at, 1);
    }
    return text;
}

// The manual page is written by hand around a block that must be the shape table's own words.
TEST(ManualPage, ListsTheShapesAndUnitsOfTheTable) {
    const std::string page = test::ReadBytes(VOLCALC_MANUAL_PAGE);
    const std::string begin = ".\\\" shapes-begin\n";
    const auto from = page.find(begin);
    const auto to = page.find(".\\\" shapes-end\n");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string block = WithoutRoffDashes(page.substr(from + begin.size(), to - from - begin.size()));
    EXPECT_EQ(block, ShapeListText() + UnitListText())
        << "paste the lines of 'volcalc-cli --help' into packaging/volcalc-cli.1.in, '-' written '\\-'";
}

// What --help offers: every option it names, and the first word of every script command it lists
// (the lines between "Script:" and the shape list that start with a word, two blanks in).
std::set<std::string> OptionsAndCommandsOfTheHelp() {
    const std::string help = HelpText();
    std::set<std::string> offered;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator();
         ++it) {
        offered.insert(it->str());
    }
    std::istringstream lines(
        help.substr(help.find("\nScript:"), help.find("\nShapes,") - help.find("\nScript:")));
    const std::regex command("  ([a-z][a-z-]*)( .*)?");
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, match, command)) {
            offered.insert(match[1]);
        }
    }
    return offered;
}

// The lines that head an entry of the manual page (those after ".TP"), dashes as typed.
std::string ManualPageHeadings() {
    std::istringstream page(WithoutRoffDashes(test::ReadBytes(VOLCALC_MANUAL_PAGE)));
    std::string headings;
    bool heading = false;
    for (std::string line; std::getline(page, line);) {
        if (heading) {
            headings += line + "\n";
        }
        heading = line == ".TP";
    }
    return headings;
}

// An option or command added to the program is also described where users look it up: the manual
// page heads an entry with it, and the help's command line page shows it as code.
TEST(ManualPage, DescribesEveryOptionAndCommandOfTheHelp) {
    const std::string headings = ManualPageHeadings();
    const std::string page = test::ReadBytes(VOLCALC_SOURCE_DIR "/help/command_line.html");
    const std::set<std::string> offered = OptionsAndCommandsOfTheHelp();
    ASSERT_TRUE(offered.count("--version") && offered.count("add-material")) << "the help's layout changed";
    for (const std::string& item : offered) {
        const std::regex word("(^|[^a-z-])" + item + "([^a-z-]|$)");
        EXPECT_TRUE(std::regex_search(headings, word)) << item << " heads no entry of volcalc-cli(1)";
        EXPECT_TRUE(std::regex_search(page, std::regex("<code>" + item + "[ <]")))
            << item << " is not in help/command_line.html";
    }
}

} // namespace
} // namespace volcalc::cli
