// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace volcalc::test {
namespace {

std::string Repeated(std::string_view text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// Names are text: what cannot be read back as the same name, or names nothing, is refused before
// the file is touched.
TEST_F(CatalogueTest, NamesThatAreNotTextAreRefused) {
    Load(ThreeMaterials);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"", "The material needs a name."},
        {" \t ", "The material needs a name."},
        {"Stahl \xE4", "The name is not UTF-8 text."},
        {"\xC3", "The name is not UTF-8 text."},
        {std::string(2048, 'n'), "The name is longer than 2047 characters."},
        {Repeated("\xC3\xA4", 2048), "The name is longer than 2047 characters."},
    };
    for (const auto& [name, reason] : refused) {
        Dialogs.Events.clear();
        Add(name, 700);
        EXPECT_EQ(File(), ThreeMaterials);
        EXPECT_EQ(Dialogs.Events.back(), "error: Error at addition of a material\n" + reason);
    }
    ExpectList({"Steel", "Aluminium", "Copper"}, {7850, 2700, 8900});
    Add(Repeated("\xC3\xA4", 2047), 1); // the longest name the file gives back whole
    Catalogue.LoadMaterials();
    EXPECT_EQ(Catalogue.Materials().back().Name, Repeated("\xC3\xA4", 2047));
}

// A catalogue from an older 8-bit system stays in its code page, while every name fits in it.
TEST_F(CatalogueTest, Windows1252FileKeepsItsEncoding) {
    const std::string old = "[Count]\nCount=1\n[Material]\n0=Messing \xE4\n[Density]\n0=8500\n";
    Load(old);
    ExpectList({"Messing \xC3\xA4"}, {8500});
    Add("Bronze \xC3\xB6 \xE2\x82\xAC", 8800);
    EXPECT_EQ(File(), "[Count]\nCount=2\n[Material]\n0=Messing \xE4\n1=Bronze \xF6 \x80\n"
                      "[Density]\n0=8500\n1=8800\n");
    Catalogue.PickMaterial(1);
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), "[Count]\nCount=1\n[Material]\n0=Messing \xE4\n[Density]\n0=8500\n");
    Add("Titan \xCE\xA9", 4500); // no place for it in the code page: the file becomes UTF-8
    EXPECT_EQ(File(), "[Count]\nCount=2\n[Material]\n0=Messing \xC3\xA4\n1=Titan \xCE\xA9\n"
                      "[Density]\n0=8500\n1=4500\n");
}

// A program killed while writing leaves its new file behind; the next change clears it away.
TEST_F(CatalogueTest, LeftoversOfAnInterruptedWriteAreRemoved) {
    Load(ThreeMaterials);
    WriteBytes(Folder / ".volcalc.ini.being-written-by-volcalc-a1B2c3", "[Count]\nCount=1\n");
    WriteBytes(Folder / ".volcalc.ini.being-written-by-volcalc-notmine", "kept");
    WriteBytes(Folder / "volcalc.ini.tmp-backup", "kept");
    WriteBytes(Folder / ".other.ini.being-written-by-volcalc-a1B2c3", "kept");
    Add("Oak", 700);
    std::vector<std::string> entries = Folder.Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries,
              (std::vector<std::string>{".other.ini.being-written-by-volcalc-a1B2c3",
                                        ".volcalc.ini.being-written-by-volcalc-notmine", "volcalc.ini",
                                        "volcalc.ini.lock", "volcalc.ini.tmp-backup"}));
}

// A rewrite keeps the permissions of the file it replaces (and its owner, which root may set).
TEST_F(CatalogueTest, RewriteKeepsPermissionsAndOwner) {
    Load(ThreeMaterials);
    std::filesystem::permissions(IniPath, std::filesystem::perms::owner_read |
                                              std::filesystem::perms::owner_write |
                                              std::filesystem::perms::group_read);
    if (RunningAsRoot()) {
        ASSERT_EQ(::chown(IniPath.c_str(), 65534, 65534), 0);
    }
    Add("Oak", 700);
    struct stat status {};
    ASSERT_EQ(::stat(IniPath.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (RunningAsRoot()) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
}

} // namespace
} // namespace volcalc::test
