// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

namespace volcalc::test {
namespace {

struct LoadCase {
    const char* Name;
    std::string_view File;
    std::vector<std::string> Names;
    std::vector<std::int32_t> Densities;
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << c.Name;
}

class LoadTest : public CatalogueTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ListsMaterialsAndSelectsFirst) {
    Load(GetParam().File);
    ExpectList(GetParam().Names, GetParam().Densities);
    EXPECT_EQ(Catalogue.SelectedIndex(), 0);
    EXPECT_EQ(Catalogue.SelectedDensity(), GetParam().Densities.front());
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadTest,
    ::testing::Values(
        LoadCase{"Three", ThreeMaterials, {"Steel", "Aluminium", "Copper"}, {7850, 2700, 8900}},
        LoadCase{"MissingEntryTakesDefaults",
                 "[Count]\nCount=3\n[Material]\n0=Steel\n2=Copper\n[Density]\n0=7850\n2=8900\n",
                 {"Steel", "1", "Copper"},
                 {7850, 1, 8900}},
        LoadCase{
            "DensityForms",
            "[Count]\nCount=9\n[Density]\n0= 7850 \n1=0x1EAA\n2=$1EAA\n3=7,850\n4=7850.0\n5=7850 kg\n6=\n"
            "7=0\n8=-5\n",
            {"0", "1", "2", "3", "4", "5", "6", "7", "8"},
            {7850, 7850, 7850, 1, 1, 1, 1, 0, -5}},
        LoadCase{"NameForms",
                 "[Count]\nCount=5\n[Material]\n0=  \"Steel\"  \n1='Oak'\n2=  Pine  \n3=\n4=Pine\n",
                 {"Steel", "Oak", "Pine", "", "Pine"},
                 {1, 1, 1, 1, 1}},
        LoadCase{"AnyCaseCrlfBomComments",
                 "\xEF\xBB\xBF; made elsewhere\r\n\r\n[COUNT]\r\ncount=2\r\n[Other]\r\n0=no\r\n[material]\r\n"
                 "# note\r\n0=Steel\r\n1=Stahl \xC3\xA4\r\n[DENSITY]\r\n0=7850\r\n1=7900\r\n",
                 {"Steel", "Stahl \xC3\xA4"},
                 {7850, 7900}},
        LoadCase{"Windows1252Names", "[Count]\nCount=1\n[Material]\n0=Stahl \xE4\n", {"Stahl \xC3\xA4"}, {1}},
        LoadCase{"HexCount", "[Count]\nCount=$2\n", {"0", "1"}, {1, 1}}),
    [](const auto& info) { return std::string(info.param.Name); });

class EmptyLoadTest : public CatalogueTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(EmptyLoadTest, ListsNothingAndSelectsNothing) {
    Load(std::string("[Count]\nCount=") + std::string(GetParam()) +
         "\n[Material]\n0=Steel\n[Density]\n0=7850\n");
    EXPECT_TRUE(Catalogue.Materials().empty());
    EXPECT_EQ(Catalogue.SelectedIndex(), -1);
    EXPECT_EQ(Catalogue.SelectedDensity(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, EmptyLoadTest, ::testing::Values("0", "-5", "abc", "", "1.5"));

TEST_F(CatalogueTest, NoFileGivesEmptyListWithoutWriting) {
    Catalogue.LoadMaterials();
    EXPECT_TRUE(Catalogue.Materials().empty());
    EXPECT_EQ(Catalogue.SelectedDensity(), 0);
    EXPECT_TRUE(Folder.Entries().empty());
}

TEST_F(CatalogueTest, PickingSelectsItsDensity) {
    Load("[Count]\nCount=2\n[Density]\n0=7850\n1=-2700\n");
    Catalogue.PickMaterial(1);
    EXPECT_EQ(Catalogue.SelectedDensity(), -2700);
    Catalogue.PickMaterial(2); // outside the list: nothing selected
    EXPECT_EQ(Catalogue.SelectedIndex(), -1);
    EXPECT_EQ(Catalogue.SelectedDensity(), 0);
}

struct PathCase {
    std::string_view Executable;
    std::string_view Ini;
};

std::ostream& operator<<(std::ostream& out, const PathCase& c) {
    return out << c.Executable;
}

class CatalogueFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(CatalogueFilePathTest, ReplacesExtension) {
    EXPECT_EQ(CatalogueFilePath(GetParam().Executable), std::filesystem::path(GetParam().Ini));
}

INSTANTIATE_TEST_SUITE_P(Paths, CatalogueFilePathTest,
                         ::testing::Values(PathCase{"/opt/volcalc/volcalc", "/opt/volcalc/volcalc.ini"},
                                           PathCase{"/opt/v1.2/volcalc", "/opt/v1.2/volcalc.ini"},
                                           PathCase{"C/volcalc.exe", "C/volcalc.ini"},
                                           PathCase{"/a/volcalc.x.bin", "/a/volcalc.x.ini"},
                                           PathCase{"volcalc", "volcalc.ini"}));

} // namespace
} // namespace volcalc::test
