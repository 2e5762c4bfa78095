// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"
#include "materials/ini_file.h"

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volcalc::test {
namespace {

using Names = std::vector<std::string>;

struct DamagedFile {
    const char* what;
    std::string content;
    std::optional<std::vector<std::string>> listed; // as the file is loaded, by the usual rules
    const char* problem;                            // part of the second line of the error
};

// A file that a change would make worse loads as usual, and every change is refused with the
// usual message, the file and its problem, leaving the file byte for byte as it was.
TEST_F(CatalogueTest, DamagedFilesAreNeverWritten) {
    const std::string entries = "[Material]\n0=Steel\n1=Oak\n[Density]\n0=7850\n1=700\n";
    const std::vector<DamagedFile> files = {
        {"count not a number", "[Count]\nCount=abc\n" + entries, Names{}, "\"Count\" is not a number: abc"},
        {"count out of range", "[Count]\nCount=99999999999\n" + entries, Names{},
         "\"Count\" is not a number"},
        {"count negative", "[Count]\nCount=-5\n" + entries, Names{}, "[Material] holds entry 0"},
        {"count missing", entries, Names{}, "[Material] holds entry 0"},
        {"count smaller than the entries", "[Count]\nCount=1\n" + entries, Names{"Steel"},
         "[Material] holds entry 1, at or beyond \"Count\" (1)"},
        {"density beyond the count", "[Count]\nCount=1\n[Material]\n0=Steel\n[Density]\n0=7850\n1=700\n",
         Names{"Steel"}, "[Density] holds entry 1"},
        {"more than the program lists", "[Count]\nCount=1000001\n" + entries, std::nullopt,
         "more than the 1000000"},
    };
    for (const DamagedFile& file : files) {
        SCOPED_TRACE(file.what);
        Load(file.content);
        if (file.listed) {
            EXPECT_EQ(NamesOf(Catalogue.Materials()), *file.listed);
        }
        EXPECT_NE(Catalogue.Damage().find(file.problem), std::string::npos) << Catalogue.Damage();
        Dialogs.Events.clear();
        Add("Pine", 500);
        Catalogue.PickMaterial(0);
        Catalogue.RemoveMaterial();
        EXPECT_EQ(File(), file.content);
        ASSERT_GE(Dialogs.Events.size(), 4u);
        const std::string detail = "\n" + IniPath.string() + ": ";
        EXPECT_EQ(Dialogs.Events[1].rfind("error: Error at addition of a material" + detail, 0), 0u);
        EXPECT_NE(Dialogs.Events[1].find(file.problem), std::string::npos) << Dialogs.Events[1];
        if (Dialogs.Events.size() == 5) {
            EXPECT_EQ(Dialogs.Events[3].rfind("error: Error at removing of a material" + detail, 0), 0u);
        }
    }
}

// Entries the Part leaves to their defaults are no damage: gaps below the count, other keys.
TEST_F(CatalogueTest, GapsAndOtherKeysAreNoDamage) {
    Load("[Count]\nCount=3\n[Material]\n0=Steel\n2=Copper\nnote=x\n007=y\n[Density]\n0=7850\n");
    EXPECT_EQ(Catalogue.Damage(), "");
    Add("Oak", 700);
    ExpectList({"Steel", "1", "Copper", "Oak"}, {7850, 1, 1, 700});
}

// Only a regular file of a bounded size is read; anything else is reported at once, with an
// empty list, and never written.
TEST_F(CatalogueTest, OnlyRegularFilesAreRead) {
    const std::filesystem::path fifo = Folder / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path folder = Folder / "folder.ini";
    std::filesystem::create_directory(folder);
    const std::filesystem::path large = Folder / "large.ini";
    WriteBytes(large, "[Count]\nCount=0\n");
    std::filesystem::resize_file(large, IniFile::MaxFileSize + 1); // sparse: nothing is written to the disk
    const std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {folder, "Is a directory"},
        {large, "larger than 512 MB"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        ScriptedDialogs dialogs;
        MaterialCatalogue catalogue(path, dialogs);
        catalogue.LoadMaterials();
        EXPECT_EQ(catalogue.ReadProblem(), path.string() + ": " + reason);
        EXPECT_TRUE(catalogue.Materials().empty());
        catalogue.AddMaterial();
        EXPECT_EQ(dialogs.Events.back(),
                  "error: Error at addition of a material\n" + path.string() + ": " + reason);
    }
    EXPECT_EQ(std::filesystem::file_size(large), IniFile::MaxFileSize + 1);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(CatalogueTest, UnreadableFileIsReportedAndNeverWritten) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root reads every file";
    }
    WriteBytes(IniPath, ThreeMaterials);
    ::chmod(IniPath.c_str(), 0200);
    Catalogue.LoadMaterials();
    EXPECT_EQ(Catalogue.ReadProblem(), IniPath.string() + ": Permission denied");
    Add("Oak", 700);
    ::chmod(IniPath.c_str(), 0600);
    EXPECT_EQ(File(), ThreeMaterials);
}

} // namespace
} // namespace volcalc::test
