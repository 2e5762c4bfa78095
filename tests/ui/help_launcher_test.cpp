// SPDX-License-Identifier: GPL-3.0-or-later
// Help on a desktop with and without a CHM viewer, and on one that opens nothing.
#include "scripted_desktop.h"

#include "materials/temp_folder.h"
#include "ui/desktop/help_launcher.h"

#include <gmock/gmock.h>

#include <fstream>

namespace volcalc::test {
namespace {

using ::testing::HasSubstr;

const QString ChmType = QStringLiteral("application/vnd.ms-htmlhelp");

struct HelpCase {
    const char* Name;
    bool ChmViewer;                 // the desktop names an application for CHM files
    std::vector<const char*> Files; // what the help folder holds
    std::deque<bool> Opened;        // the shell's answer to each request
    std::vector<const char*> Requests;
    bool ErrorBox;
};

void PrintTo(const HelpCase& help, std::ostream* out) {
    *out << help.Name;
}

class Help : public ::testing::TestWithParam<HelpCase> {};

TEST_P(Help, OpensTheChmWithAViewerElseTheHtmlElseSaysSo) {
    const HelpCase& help = GetParam();
    TempFolder root;
    // Blanks in the path reach the shell as they are, in one argument.
    const std::filesystem::path folder = root.Path() / "Orlisk Volume Calculator";
    std::filesystem::create_directory(folder);
    for (const char* name : help.Files) {
        std::ofstream(folder / name) << "page";
    }
    ScriptedDesktop desktop;
    if (help.ChmViewer) {
        desktop.DefaultApplications[ChmType] = QStringLiteral("xchm.desktop");
    }
    desktop.ShellAnswers = help.Opened;

    ui::OpenHelp(nullptr, folder);

    std::vector<QString> expected;
    for (const char* name : help.Requests) {
        expected.push_back(QString::fromStdString((folder / name).string()));
    }
    std::vector<QString> targets;
    for (const auto& request : desktop.ShellRequests) {
        targets.push_back(request.Target);
    }
    EXPECT_EQ(targets, expected);
    ASSERT_EQ(desktop.Messages.size(), help.ErrorBox ? 1u : 0u);
    if (help.ErrorBox) {
        EXPECT_EQ(desktop.Messages[0].Type, ui::MessageKind::Error);
        EXPECT_EQ(desktop.Messages[0].Buttons, static_cast<ui::MessageButtons>(ui::OkButton));
        EXPECT_THAT(desktop.Messages[0].Text.toStdString(), HasSubstr((folder / "index.html").string()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, Help,
    ::testing::Values(
        HelpCase{"viewer_opens_chm", true, {"TORVA.CHM", "index.html"}, {}, {"TORVA.CHM"}, false},
        HelpCase{"no_viewer_opens_html", false, {"TORVA.CHM", "index.html"}, {}, {"index.html"}, false},
        HelpCase{"viewer_fails_then_html",
                 true,
                 {"TORVA.CHM", "index.html"},
                 {false},
                 {"TORVA.CHM", "index.html"},
                 false},
        HelpCase{"viewer_but_no_chm_file", true, {"index.html"}, {}, {"index.html"}, false},
        HelpCase{"shell_opens_nothing",
                 true,
                 {"TORVA.CHM", "index.html"},
                 {false, false},
                 {"TORVA.CHM", "index.html"},
                 true},
        HelpCase{"no_help_files", true, {}, {}, {}, true}));

} // namespace
} // namespace volcalc::test
