// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

#include <algorithm>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace volcalc::test {
namespace {

std::set<std::string> NameSet(const MaterialCatalogue& catalogue) {
    const std::vector<std::string> names = NamesOf(catalogue.Materials());
    return {names.begin(), names.end()};
}

// Several programs change one catalogue at once: each adds its own materials and removes some
// of the common ones. Nothing another program did may be lost, and nothing removed twice.
TEST_F(CatalogueTest, ProgramsChangingOneFileAtOnceKeepEveryChange) {
    constexpr int Programs = 4;
    constexpr int AddedEach = 30;
    constexpr int RemovedEach = 5;
    std::string file = "[Count]\nCount=" + std::to_string(Programs * RemovedEach) + "\n[Material]\n";
    std::set<std::string> expected;
    for (int i = 0; i < Programs * RemovedEach; ++i) {
        file += std::to_string(i) + "=common " + std::to_string(i) + "\n";
    }
    file += "[Density]\n";
    for (int i = 0; i < Programs * RemovedEach; ++i) {
        file += std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    Load(file);

    std::vector<pid_t> children;
    for (int p = 0; p < Programs; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScriptedDialogs dialogs;
            MaterialCatalogue mine(IniPath, dialogs);
            mine.LoadMaterials();
            for (int i = 0; i < AddedEach; ++i) {
                dialogs.NewName = "program " + std::to_string(p) + " material " + std::to_string(i);
                mine.AddMaterial();
                if (i < RemovedEach) {
                    const int common = p * RemovedEach + i;
                    const std::vector<std::string> names = NamesOf(mine.Materials());
                    const auto at = std::find(names.begin(), names.end(), "common " + std::to_string(common));
                    mine.PickMaterial(static_cast<int>(at - names.begin()));
                    mine.RemoveMaterial();
                }
            }
            ::_exit(dialogs.Events.size() == static_cast<std::size_t>(AddedEach + 3 * RemovedEach) ? 0 : 1);
        }
        children.push_back(child);
        for (int i = 0; i < AddedEach; ++i) {
            expected.insert("program " + std::to_string(p) + " material " + std::to_string(i));
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a change was refused";
    }
    Catalogue.LoadMaterials();
    EXPECT_EQ(NameSet(Catalogue), expected);
    EXPECT_EQ(Catalogue.Materials().size(), expected.size());
}

// Two windows on one file take turns: each change shows the other's too.
TEST_F(CatalogueTest, TwoCataloguesTakingTurnsSeeEachOthersChanges) {
    Load(ThreeMaterials);
    ScriptedDialogs otherDialogs;
    MaterialCatalogue other(IniPath, otherDialogs);
    other.LoadMaterials();

    Catalogue.PickMaterial(2); // Copper
    Add("Oak", 700);
    otherDialogs.NewName = "Pine";
    otherDialogs.NewDensity = 500;
    other.AddMaterial();
    ExpectList({"Steel", "Aluminium", "Copper", "Oak"}, {7850, 2700, 8900, 700});
    EXPECT_EQ(NamesOf(other.Materials()),
              (std::vector<std::string>{"Steel", "Aluminium", "Copper", "Oak", "Pine"}));

    other.PickMaterial(0);
    other.RemoveMaterial();     // Steel
    Catalogue.RemoveMaterial(); // still Copper, now at position 1
    ExpectList({"Aluminium", "Oak", "Pine"}, {2700, 700, 500});
    other.PickMaterial(1); // Copper, which this one has removed
    EXPECT_TRUE(other.ReloadMaterials());
    EXPECT_EQ(other.Materials(), Catalogue.Materials());
    EXPECT_EQ(other.SelectedIndex(), 0);
    EXPECT_FALSE(other.ReloadMaterials());
    EXPECT_EQ(Dialogs.Events.size() + otherDialogs.Events.size(), 2u + 3u + 3u);
}

// Two programs adding through a symbolic link and through the file's own path at once take one
// lock: every addition is kept, and the link stays a link.
TEST_F(CatalogueTest, ChangesThroughASymbolicLinkAndTheFileTakeOneLock) {
    constexpr int AddedEach = 40;
    Load(ThreeMaterials);
    const std::filesystem::path link = Folder / "link.ini";
    std::filesystem::create_symlink(IniPath, link);
    std::vector<pid_t> children;
    for (const std::filesystem::path& path : {IniPath, link}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScriptedDialogs dialogs;
            MaterialCatalogue mine(path, dialogs);
            mine.LoadMaterials();
            for (int i = 0; i < AddedEach; ++i) {
                dialogs.NewName = path.filename().string() + " " + std::to_string(i);
                mine.AddMaterial();
            }
            ::_exit(dialogs.Events.size() == AddedEach ? 0 : 1); // no refusal
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Catalogue.LoadMaterials();
    EXPECT_EQ(Catalogue.Materials().size(), 3u + 2 * AddedEach);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// A change would part a hard-linked catalogue from its other name, and a lock file that is a
// symbolic link could be another program's lock on another file: both are refused, saying why,
// and the file stays as it was.
TEST_F(CatalogueTest, HardLinksAndALinkedLockAreRefusedWithTheReason) {
    Load(ThreeMaterials);
    std::filesystem::create_hard_link(IniPath, Folder / "other-name.ini");
    Add("Oak", 700);
    EXPECT_EQ(Dialogs.Events.back(),
              "error: Error at addition of a material\n" + IniPath.string() +
                  ": the file has other names (hard links), which a change would part "
                  "from it; give the catalogue one name, or make the others symbolic links");
    std::filesystem::remove(Folder / "other-name.ini");

    std::filesystem::remove(Folder / "volcalc.ini.lock");
    std::filesystem::create_symlink(Folder / "elsewhere.lock", Folder / "volcalc.ini.lock");
    Add("Oak", 700);
    EXPECT_EQ(Dialogs.Events.back(), "error: Error at addition of a material\n" + IniPath.string() +
                                         ".lock: the lock file is a symbolic link");
    EXPECT_EQ(File(), ThreeMaterials);
}

} // namespace
} // namespace volcalc::test
