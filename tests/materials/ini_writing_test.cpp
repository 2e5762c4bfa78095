// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_folder.h"

#include "materials/ini_file.h"

#include <gtest/gtest.h>

namespace volcalc::test {
namespace {

class IniWritingTest : public ::testing::Test {
protected:
    std::string Rewrite(std::string_view before, void (*change)(IniFile&)) {
        WriteBytes(Path, before);
        IniFile ini(Path);
        change(ini);
        ini.UpdateFile();
        return ReadBytes(Path);
    }

    TempFolder Folder;
    std::filesystem::path Path = Folder / "a.ini";
};

TEST_F(IniWritingTest, KeepsWhatItDoesNotKnowInPlace) {
    const std::string before = "; catalogue\r\n"
                               "[Count]\r\n"
                               "COUNT = 1\r\n"
                               "\r\n"
                               "[Notes]\r\n"
                               "# comment\r\n"
                               "stray text\r\n"
                               "Key = Value \r\n"
                               "[Material]\r\n"
                               "0 = Steel\r\n"
                               "\r\n";
    const auto after = Rewrite(before, [](IniFile& ini) {
        ini.WriteInteger("count", "count", 2);
        ini.WriteString("MATERIAL", "0", " Steel");
        ini.WriteString("Material", "1", "Oak");
    });
    EXPECT_EQ(
        after,
        "; catalogue\r\n[Count]\r\nCOUNT=2\r\n\r\n[Notes]\r\n# comment\r\nstray text\r\nKey = Value \r\n"
        "[Material]\r\n0 = Steel\r\n1=Oak\r\n\r\n");
}

// A value taken from a line written before, written again many times: the written lines grow
// meanwhile, and what is copied must not be read from where they were.
TEST_F(IniWritingTest, ValueTakenFromAWrittenLineIsCopiedWhole) {
    IniDocument document = IniDocument::Parse("[Material]\n");
    document.SetValue("Material", "0", std::string(300, 'x'));
    for (int i = 1; i < 200; ++i) {
        document.SetValue("Material", std::to_string(i),
                          *document.RawValue("Material", std::to_string(i - 1)));
    }
    EXPECT_EQ(document.RawValue("Material", "199"), std::string(300, 'x'));
}

TEST_F(IniWritingTest, DeletingKeyLeavesSectionHeader) {
    const auto after = Rewrite("[Material]\n0=Steel\n[Density]\n0=7850\n", [](IniFile& ini) {
        ini.DeleteKey("Material", "0");
        ini.DeleteKey("Material", "7");
        ini.DeleteKey("Absent", "0");
    });
    EXPECT_EQ(after, "[Material]\n[Density]\n0=7850\n");
}

TEST_F(IniWritingTest, WritesUtf8KeepingByteOrderMark) {
    EXPECT_EQ(Rewrite("\xEF\xBB\xBF[s]\nk=\xC3\xA4\n", [](IniFile& ini) { ini.WriteString("s", "n", "1"); }),
              "\xEF\xBB\xBF[s]\nk=\xC3\xA4\nn=1\n");
    // Not UTF-8: read as Windows-1252 ("Stahl ä €") and written back in it while every name fits;
    // a name that does not turns the file into UTF-8.
    EXPECT_EQ(
        Rewrite("[s]\nk=Stahl \xE4 \x80\n", [](IniFile& ini) { ini.WriteString("s", "n", "\xC3\xB6"); }),
        "[s]\nk=Stahl \xE4 \x80\nn=\xF6\n");
    EXPECT_EQ(
        Rewrite("[s]\nk=Stahl \xE4 \x80\n", [](IniFile& ini) { ini.WriteString("s", "n", "\xCE\xA9"); }),
        "[s]\nk=Stahl \xC3\xA4 \xE2\x82\xAC\nn=\xCE\xA9\n");
}

TEST_F(IniWritingTest, RefusedWriteNamesTheFile) {
    const auto path = Folder / "missing" / "a.ini";
    IniFile ini(path);
    ini.WriteString("s", "k", "v");
    try {
        ini.UpdateFile();
        FAIL() << "the write was not refused";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path.string());
    }
}

} // namespace
} // namespace volcalc::test
