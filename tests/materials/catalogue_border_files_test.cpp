// SPDX-License-Identifier: GPL-3.0-or-later
// Files laid out in every way people and other programs lay them out: a change touches only the
// lines it must, and the list shown afterwards is what the written file reads as.
#include "catalogue_fixture.h"
#include "plain_catalogue_check.h"

#include <string>
#include <vector>

namespace volcalc::test {
namespace {

struct BorderFile {
    const char* Name;
    std::string Text;
};

std::ostream& operator<<(std::ostream& out, const BorderFile& file) {
    return out << file.Name;
}

// The file's lines, each with its end as it stands.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() &&
           (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

bool IsIndex(const std::string& key) {
    return !key.empty() && key.size() < 10 && key.find_first_not_of("0123456789") == std::string::npos &&
           (key.size() == 1 || key[0] != '0');
}

// The text a removal must leave, worked out line by line: in the entry sections the line of the
// removed key goes and the keys above it are named one lower, every byte else as it was; "Count"
// says one fewer.
std::string AfterRemoval(const std::string& text, std::size_t removed, std::size_t count) {
    std::string out;
    std::string section;
    for (const std::string& line : Lines(text)) {
        const std::string trimmed = Trimmed(line);
        if (trimmed.starts_with('[')) {
            section = trimmed;
            out += line;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? "" : Trimmed(line.substr(0, equals));
        if (section == "[Count]" && key == "Count") {
            const std::string end = line.ends_with("\r\n") ? "\r\n" : line.ends_with("\n") ? "\n" : "";
            out += line.substr(0, equals + 1) + std::to_string(count - 1) + end;
            continue;
        }
        if ((section == "[Material]" || section == "[Density]") && IsIndex(key)) {
            const std::size_t index = std::stoul(key);
            if (index == removed) {
                continue;
            }
            if (index > removed && index < count) {
                const std::size_t at = line.find(key);
                out += line.substr(0, at) + std::to_string(index - 1) + line.substr(at + key.size());
                continue;
            }
        }
        out += line;
    }
    return out;
}

// The written text without the two lines an addition appends, with the old count back in place.
std::string WithoutAddition(std::string text, std::size_t count, const std::string& oldCountLine) {
    const std::string key = std::to_string(count) + "=";
    for (const std::string& added : {key + "Oak", key + "700"}) {
        const std::size_t at = text.find(added);
        const std::size_t end = text.find('\n', at);
        text.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    }
    const std::size_t countLine = text.find("Count=");
    const std::size_t countEnd = text.find_first_of("\r\n", countLine);
    text.replace(countLine, countEnd - countLine, oldCountLine);
    return text;
}

class BorderFileTest : public CatalogueTest, public ::testing::WithParamInterface<BorderFile> {
protected:
    // The list the file reads as, fresh, and that it is not damaged.
    void ExpectShownAsFileReads() {
        ScriptedDialogs none;
        MaterialCatalogue fresh(IniPath, none);
        fresh.LoadMaterials();
        EXPECT_EQ(Catalogue.Materials(), fresh.Materials());
        EXPECT_EQ(fresh.Damage(), "");
    }
};

TEST_P(BorderFileTest, ChangesTouchOnlyTheirOwnLines) {
    const std::string& text = GetParam().Text;
    EXPECT_EQ(testing::PlainDisagreement(text), "");
    Load(text);
    ASSERT_EQ(Catalogue.Damage(), "");
    const MaterialList before = Catalogue.Materials();
    const std::size_t count = before.size();
    const std::size_t countAt = text.find("Count=");
    const std::string countLine = text.substr(countAt, text.find_first_of("\r\n", countAt) - countAt);

    Add("Oak", 700);
    // A last line without its end gets one, as the added lines follow it.
    EXPECT_EQ(WithoutAddition(File(), count, countLine), text.ends_with('\n') ? text : text + "\n");
    ExpectShownAsFileReads();

    for (const std::size_t removed : {std::size_t(0), count / 2, count - 1}) {
        SCOPED_TRACE("removing entry " + std::to_string(removed));
        Load(text);
        Catalogue.PickMaterial(static_cast<int>(removed));
        Catalogue.RemoveMaterial();
        EXPECT_EQ(File(), AfterRemoval(text, removed, count));
        ExpectShownAsFileReads();
    }
}

const std::string Header = "[Count]\nCount=3\n[Material]\n";
const std::string Long(3000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, BorderFileTest,
    ::testing::Values(
        BorderFile{"Plain", std::string(ThreeMaterials)},
        BorderFile{"PlainCrLf", "[Count]\r\nCount=3\r\n[Material]\r\n0=Steel\r\n1=Aluminium\r\n2=Copper\r\n"
                                "[Density]\r\n0=7850\r\n1=2700\r\n2=8900\r\n"},
        BorderFile{"CommentAmongEntries",
                   Header + "0=Steel\n; light\n1=Aluminium\n2=Copper\n[Density]\n0=7850\n1=2700\n2=8900\n"},
        BorderFile{"DensitiesSpelledOtherwise", Header + "0=Steel\n1=Aluminium\n2=Copper\n"
                                                         "[Density]\n0=7850.0\n1=8,96E3\n2=\n"},
        BorderFile{"DensitiesUnreadableOrMissing",
                   Header + "0=Steel\n1=Aluminium\n2=Copper\n[Density]\n0=abc\n2=0x2BC\n"},
        BorderFile{"NamesQuotedBlankAndLong", Header + "0=\"Steel\"\n1= Aluminium \n2=" + Long +
                                                  "\n[Density]\n0=7850\n1=2700\n2=8900\n"},
        BorderFile{"MissingName", Header + "0=Steel\n2=Copper\n[Density]\n0=7850\n1=2700\n2=8900\n"},
        BorderFile{"ShadowedDuplicate", Header + "0=A\n1=B\n2=C\n2=Z\n0=Y\n[Density]\n0=1\n1=2\n2=3\n2=9\n"},
        BorderFile{"KeysOutOfOrderWithBlanks",
                   Header + "2=Copper\n 0 =Steel\n1=Aluminium\n[Density]\n1=2700\n2=8900\n0=7850\n"},
        BorderFile{"CarriageReturnsInsideLines",
                   Header + "0=Steel\n1=Aluminium\r\n2=Copper\n[Density]\n0=7060\r\r\n1=2700\n2=8900\n"},
        BorderFile{"LastLineWithoutEnd",
                   Header + "0=Steel\n1=Aluminium\n2=Copper\n[Density]\n0=7850\n1=2700\n2=8900"},
        BorderFile{
            "OtherSectionsAndComments",
            "; catalogue\n[Count]\nCount=3\n[Notes]\n0=keep\n[Material]\n0=Steel\n1=Aluminium\n2=Copper\n\n"
            "[Density]\n0=7850\n1=2700\n2=8900\n\n[Prices]\n0=1.5\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A file in Windows-1252 whose names, once one is gone, would read as UTF-8: every other name reads
// as it did.
TEST_F(CatalogueTest, RemovalKeepsHowUntouchedNamesRead) {
    Load("[Count]\nCount=3\n[Material]\n0=M\xFCller\n1=\xC3\xA9tude\n2=Oak\n[Density]\n0=1\n1=2\n2=3\n");
    Catalogue.PickMaterial(0);
    Catalogue.RemoveMaterial();
    ExpectList({"\xC3\x83\xC2\xA9tude", "Oak"}, {2, 3});
    Catalogue.LoadMaterials();
    ExpectList({"\xC3\x83\xC2\xA9tude", "Oak"}, {2, 3});
}

} // namespace
} // namespace volcalc::test
