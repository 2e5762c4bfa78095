// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

namespace volcalc::test {
namespace {

struct RemoveCase {
    const char* Name;
    std::string_view Before;
    int Selected;
    std::string_view After;
    std::vector<std::string> Names;
};

std::ostream& operator<<(std::ostream& out, const RemoveCase& c) {
    return out << c.Name;
}

class RemoveTest : public CatalogueTest, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveTest, MovesEntriesDownFromFileAndSelectsFirst) {
    Load(GetParam().Before);
    Catalogue.PickMaterial(GetParam().Selected);
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), GetParam().After);
    EXPECT_EQ(NamesOf(Catalogue.Materials()), GetParam().Names);
    EXPECT_EQ(Catalogue.SelectedIndex(), 0);
    EXPECT_EQ(Catalogue.SelectedDensity(), Catalogue.Materials()[0].Density);
    EXPECT_EQ(Dialogs.Events,
              (std::vector<std::string>{"busy", "confirm: This material will be deleted. Are you sure?",
                                        "normal"}));
}

INSTANTIATE_TEST_SUITE_P(
    Removals, RemoveTest,
    ::testing::Values(
        RemoveCase{"Last",
                   ThreeMaterials,
                   2,
                   "[Count]\nCount=2\n[Material]\n0=Steel\n1=Aluminium\n[Density]\n0=7850\n1=2700\n",
                   {"Steel", "Aluminium"}},
        RemoveCase{"First",
                   ThreeMaterials,
                   0,
                   "[Count]\nCount=2\n[Material]\n0=Aluminium\n1=Copper\n[Density]\n0=2700\n1=8900\n",
                   {"Aluminium", "Copper"}},
        RemoveCase{"BelowMissingKeys",
                   "[Count]\nCount=3\n[Material]\n0=Steel\n2=Copper\n[Density]\n0=7850\n2=8900\n",
                   0,
                   "[Count]\nCount=2\n[Material]\n1=Copper\n[Density]\n1=8900\n",
                   {"0", "Copper"}},
        RemoveCase{"MovedLinesKeepTheirText",
                   "[Count]\nCount=2\n[Material]\n0=Steel\n1= \"Oak\" \n[Density]\n0=7850\n1=0x2BC\n",
                   0,
                   "[Count]\nCount=1\n[Material]\n0= \"Oak\" \n[Density]\n0=0x2BC\n",
                   {"Oak"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Another program changed the file since it was loaded: the material picked is removed where it
// now lies, and a material that is gone is not looked for in its old place.
TEST_F(CatalogueTest, RemovalTakesThePickedMaterialFromWhatFileHoldsNow) {
    const std::string moved = "[Count]\nCount=3\n[Material]\n0=A\n1=Steel\n2=Aluminium\n"
                              "[Density]\n0=1\n1=7850\n2=2700\n";
    Load(ThreeMaterials);
    Catalogue.PickMaterial(1);
    WriteBytes(IniPath, moved);
    Catalogue.RemoveMaterial();
    ExpectList({"A", "Steel"}, {1, 7850});

    const std::string other = "[Count]\nCount=3\n[Material]\n0=A\n1=B\n2=C\n[Density]\n0=1\n1=2\n2=3\n";
    Load(ThreeMaterials);
    WriteBytes(IniPath, other);
    Dialogs.Events.clear();
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), other);
    ExpectList({"A", "B", "C"}, {1, 2, 3});
    EXPECT_EQ(Catalogue.SelectedIndex(), 0); // the pick is gone: the first is picked, as after a removal
    EXPECT_EQ(Dialogs.Events[2], "error: Error at removing of a material\n" + IniPath.string() +
                                     ": another program changed the material list");
}

TEST_F(CatalogueTest, RemovingOnlyMaterialSelectsNothing) {
    Load("[Count]\nCount=1\n[Material]\n0=Steel\n[Density]\n0=7850\n");
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), "[Count]\nCount=0\n[Material]\n[Density]\n");
    EXPECT_TRUE(Catalogue.Materials().empty());
    EXPECT_EQ(Catalogue.SelectedIndex(), -1);
    EXPECT_EQ(Catalogue.SelectedDensity(), 0);
}

TEST_F(CatalogueTest, AnsweringNoChangesNothing) {
    Load(ThreeMaterials);
    Catalogue.PickMaterial(1);
    Dialogs.ConfirmAnswer = false;
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), ThreeMaterials);
    EXPECT_EQ(Catalogue.Materials().size(), 3u);
    EXPECT_EQ(Catalogue.SelectedIndex(), 1);
    EXPECT_EQ(Dialogs.Events.back(), "normal");
}

// Neither an empty list nor a list with nothing selected asks anything or touches the file.
TEST_F(CatalogueTest, NothingToRemoveAsksNothing) {
    Catalogue.LoadMaterials();
    Catalogue.RemoveMaterial();
    EXPECT_FALSE(std::filesystem::exists(IniPath));
    Add("Steel", 7850);
    const std::string file = File();
    Catalogue.RemoveMaterial();
    EXPECT_EQ(File(), file);
    ExpectList({"Steel"}, {7850});
    EXPECT_EQ(Dialogs.Events, (std::vector<std::string>{"busy", "normal", "add-dialog", "busy", "normal"}));
}

} // namespace
} // namespace volcalc::test
