// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/program_folders.h"
#include "materials/temp_folder.h"

#include <gtest/gtest.h>

namespace volcalc::test {
namespace {

// Each tree as the archive, the build and the package lay it out; the data folder is where the
// starter catalogue and the help are found.
TEST(ProgramDataFolder, FollowsTheLayoutOfTheTree) {
    struct Case {
        const char* what;
        std::vector<std::string> files; // relative to the tree's root
        const char* executable;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"portable folder with its catalogue", {"app/volcalc.ini"}, "app/volcalc", "app"},
        {"portable folder with only the help", {"app/TORVA.CHM"}, "app/volcalc-cli", "app"},
        {"installed tree",
         {"usr/bin/.keep", "usr/share/orlisk-volcalc/volcalc.ini"},
         "usr/bin/volcalc",
         "usr/share/orlisk-volcalc"},
        {"data beside the executable wins over a share folder",
         {"usr/bin/volcalc.ini", "usr/share/orlisk-volcalc/volcalc.ini"},
         "usr/bin/volcalc",
         "usr/bin"},
        {"neither: beside the executable", {"bin/.keep"}, "bin/volcalc", "bin"},
    };
    for (const Case& c : cases) {
        TempFolder tree;
        for (const std::string& file : c.files) {
            std::filesystem::create_directories((tree / file).parent_path());
            WriteBytes(tree / file, "");
        }
        EXPECT_EQ(ProgramDataFolder(tree / c.executable), tree / c.expected) << c.what;
    }
}

} // namespace
} // namespace volcalc::test
