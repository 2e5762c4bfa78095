// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

namespace volcalc::test {
namespace {

TEST_F(CatalogueTest, FirstAdditionCreatesFile) {
    Catalogue.LoadMaterials();
    Add("Steel", 7850);
    EXPECT_EQ(File(), "[Count]\nCount=1\n[Material]\n0=Steel\n[Density]\n0=7850\n");
    ExpectList({"Steel"}, {7850});
    // The new material is not selected: calculations still use density 0.
    EXPECT_EQ(Catalogue.SelectedIndex(), -1);
    EXPECT_EQ(Dialogs.Events, std::vector<std::string>{"add-dialog"});
}

TEST_F(CatalogueTest, AdditionLeavesMissingEntriesMissing) {
    Load("[Count]\nCount=3\n[Material]\n0=Steel\n2=Copper\n[Density]\n0=7850\n2=8900\n");
    Catalogue.PickMaterial(2);
    Add("Oak", 700);
    EXPECT_EQ(File(), "[Count]\nCount=4\n[Material]\n0=Steel\n2=Copper\n3=Oak\n"
                      "[Density]\n0=7850\n2=8900\n3=700\n");
    ExpectList({"Steel", "1", "Copper", "Oak"}, {7850, 1, 8900, 700});
    EXPECT_EQ(Catalogue.SelectedIndex(), 2);
    EXPECT_EQ(Catalogue.SelectedDensity(), 8900);
}

TEST_F(CatalogueTest, CancelledDialogChangesNothing) {
    Load(ThreeMaterials);
    Dialogs.AddAnswer = false;
    Add("Oak", 700);
    EXPECT_EQ(File(), ThreeMaterials);
    EXPECT_EQ(Catalogue.Materials().size(), 3u);
}

// Whatever is typed is stored as it is and comes back by the reading rules; a nameless material
// that an older file holds still reads, and stays through additions.
TEST_F(CatalogueTest, AddedNamesReadBackByTheRules) {
    Load("[Count]\nCount=1\n[Material]\n0=\n[Density]\n0=0\n");
    const std::string longName(2047, 'n');
    Add("Steel", -1);
    Add("Steel", 7850);
    Add(" \"Oak\" ", 700);
    Add(longName, 1);
    // The list shown after each addition is the file's, so it reads by the rules at once.
    ExpectList({"", "Steel", "Steel", "Oak", longName}, {0, -1, 7850, 700, 1});
    Catalogue.LoadMaterials();
    ExpectList({"", "Steel", "Steel", "Oak", longName}, {0, -1, 7850, 700, 1});
    EXPECT_EQ(Catalogue.SelectedDensity(), 0);
}

// A line break in a pasted name must not write lines of its own into the file.
TEST_F(CatalogueTest, LineBreaksInANameCannotInjectEntries) {
    Load(ThreeMaterials);
    Add("Oak\r\n[Count]\nCount=99", 700);
    ExpectList({"Steel", "Aluminium", "Copper", "Oak  [Count] Count=99"}, {7850, 2700, 8900, 700});
    Catalogue.LoadMaterials();
    ExpectList({"Steel", "Aluminium", "Copper", "Oak  [Count] Count=99"}, {7850, 2700, 8900, 700});
}

TEST_F(CatalogueTest, FullListRefusesAddition) {
    Load("[Count]\nCount=1000000\n[Material]\n0=Steel\n");
    ASSERT_EQ(Catalogue.Materials().size(), MaterialCatalogue::MaxMaterials);
    Add("Oak", 700);
    EXPECT_EQ(Catalogue.Materials().size(), MaterialCatalogue::MaxMaterials);
    EXPECT_EQ(File(), "[Count]\nCount=1000000\n[Material]\n0=Steel\n");
    EXPECT_EQ(Dialogs.Events, (std::vector<std::string>{
                                  "add-dialog", "error: Error at addition of a material\nThe catalogue holds "
                                                "1000000 materials, the most it can list."}));
}

} // namespace
} // namespace volcalc::test
