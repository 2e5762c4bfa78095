// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"
#include "materials/catalogue_location.h"

#include <sys/stat.h>

namespace volcalc::test {
namespace {

TEST(UserCatalogue, FollowsXdgDataHome) {
    EXPECT_EQ(UserCatalogue({"/data", "/home/u"}), "/data/orlisk-volcalc/volcalc.ini");
    // Unset or relative: the default under the home folder.
    EXPECT_EQ(UserCatalogue({"", "/home/u"}), "/home/u/.local/share/orlisk-volcalc/volcalc.ini");
    EXPECT_EQ(UserCatalogue({"data", "/home/u"}), "/home/u/.local/share/orlisk-volcalc/volcalc.ini");
}

TEST(IsSystemFolder, TheFoldersOfTheSystemAndItsPackages) {
    for (const char* folder :
         {"/usr/bin", "/usr/local/bin", "/opt/orlisk-volcalc", "/bin", "/lib64", "/snap/x"}) {
        EXPECT_TRUE(IsSystemFolder(folder)) << folder;
    }
    for (const char* folder : {"/home/u/volcalc", "/tmp/x", "/library", "/optional", "/work/build/ui"}) {
        EXPECT_FALSE(IsSystemFolder(folder)) << folder;
    }
}

// Each tree as the archive, the build and the package lay it out.
TEST(ProgramCatalogue, BesideTheProgramOnlyWhereTheUserMayWriteIt) {
    TempFolder tree;
    const UserFolders user{(tree / "data").string(), (tree / "home").string()};
    const std::filesystem::path own = tree / "data" / "orlisk-volcalc" / "volcalc.ini";
    std::filesystem::create_directories(tree / "portable");
    WriteBytes(tree / "portable" / "volcalc.ini", "");
    std::filesystem::create_directories(tree / "usr" / "bin");
    std::filesystem::create_directories(tree / "usr" / "share" / "orlisk-volcalc");
    std::filesystem::create_directories(tree / "help-only");
    WriteBytes(tree / "help-only" / "TORVA.CHM", "");

    EXPECT_EQ(ProgramCatalogue(tree / "portable" / "volcalc", user),
              CatalogueFiles(tree / "portable" / "volcalc.ini"));
    EXPECT_EQ(ProgramCatalogue(tree / "usr" / "bin" / "volcalc-cli", user),
              CatalogueFiles(own, tree / "usr" / "share" / "orlisk-volcalc" / "volcalc.ini"));
    EXPECT_EQ(ProgramCatalogue(tree / "help-only" / "volcalc", user),
              CatalogueFiles(own, tree / "help-only" / "volcalc.ini"));
    if (!RunningAsRoot()) {
        ::chmod((tree / "portable").c_str(), 0555);
        EXPECT_EQ(ProgramCatalogue(tree / "portable" / "volcalc", user),
                  CatalogueFiles(own, tree / "portable" / "volcalc.ini"));
    }
}

// The catalogue that came with the program is read until the first change, which copies it to the
// user's own file, in a folder made private to the user, and leaves it as it was.
TEST_F(CatalogueTest, FirstChangeCopiesTheStarterCatalogue) {
    const std::filesystem::path starter = Folder / "share" / "volcalc.ini";
    const std::filesystem::path own = Folder / "data" / "orlisk-volcalc" / "volcalc.ini";
    std::filesystem::create_directories(starter.parent_path());
    WriteBytes(starter, ThreeMaterials);
    ScriptedDialogs dialogs;
    MaterialCatalogue user(CatalogueFiles(own, starter), dialogs);
    user.LoadMaterials();
    EXPECT_EQ(NamesOf(user.Materials()), (std::vector<std::string>{"Steel", "Aluminium", "Copper"}));
    EXPECT_FALSE(std::filesystem::exists(Folder / "data"));

    dialogs.NewName = "Oak";
    dialogs.NewDensity = 700;
    user.AddMaterial();
    EXPECT_EQ(ReadBytes(own), "[Count]\nCount=4\n[Material]\n0=Steel\n1=Aluminium\n2=Copper\n3=Oak\n"
                              "[Density]\n0=7850\n1=2700\n2=8900\n3=700\n");
    EXPECT_EQ(ReadBytes(starter), ThreeMaterials);
    struct stat status {};
    ASSERT_EQ(::stat(own.parent_path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    WriteBytes(starter, "[Count]\nCount=0\n"); // a new version of the program: the user's file stays
    user.PickMaterial(0);
    user.RemoveMaterial();
    EXPECT_EQ(NamesOf(user.Materials()), (std::vector<std::string>{"Aluminium", "Copper", "Oak"}));
    EXPECT_EQ(dialogs.Events.size(), 4u);
}

} // namespace
} // namespace volcalc::test
