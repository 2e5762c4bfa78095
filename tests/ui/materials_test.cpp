// SPDX-License-Identifier: GPL-3.0-or-later
// The material group as a user works it: picking, adding and removing materials.
#include "form_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "ui/object_names.h"
#include <gmock/gmock.h>

namespace volcalc::test {

namespace names = volcalc::ui::names;
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class WindowMaterials : public FormFixture {
protected:
    QStringList Listed() {
        QStringList names;
        auto* list = Find<QComboBox>(names::MaterialList);
        for (int i = 0; i < list->count(); ++i) {
            names << list->itemText(i);
        }
        return names;
    }
    QComboBox* List() { return Find<QComboBox>(names::MaterialList); }

    void CubicMetre() {
        TypeParameters(CalcGroup::Object, "Parallelepiped", {"1000", "1000", "1000"});
        Click(names::ObjectCalculateButton);
    }
};

TEST_F(WindowMaterials, PickedMaterialSetsTheDensityOfTheNextCalculationOnly) {
    CubicMetre();
    Choose(names::MaterialList, "Water");
    EXPECT_EQ(TextOf(names::DensityField), "1000");
    EXPECT_EQ(TextOf(names::ObjectMassField), "7850.000"); // earlier masses keep their density
    CubicMetre();
    EXPECT_EQ(TextOf(names::ObjectMassField), "8850.000");
}

TEST_F(WindowMaterials, NoFileGivesAnEmptyListAndMassesOfNothing) {
    StartWith(nullptr);
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(List()->currentIndex(), -1);
    EXPECT_EQ(TextOf(names::DensityField), "0");
    CubicMetre();
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.000");
    EXPECT_EQ(TextOf(names::TotalMassField), "0.000");
}

TEST_F(WindowMaterials, AddedMaterialIsListedLastWrittenToTheFileAndNotSelected) {
    Dialogs.NewName = "Lead";
    Dialogs.NewDensity = 11340;
    Click(names::AddMaterialButton);
    EXPECT_THAT(Dialogs.Events, ElementsAre("add-dialog"));
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Water", "Lead"}));
    EXPECT_EQ(List()->currentText(), "Steel");
    EXPECT_EQ(TextOf(names::DensityField), "7850");
    EXPECT_THAT(IniText(), HasSubstr("3=Lead"));
    EXPECT_THAT(IniText(), HasSubstr("3=11340"));
}

TEST_F(WindowMaterials, FirstMaterialAddedToAnEmptyListStaysUnselected) {
    StartWith(nullptr);
    Dialogs.NewName = "Oak";
    Dialogs.NewDensity = 700;
    Click(names::AddMaterialButton);
    EXPECT_EQ(Listed(), QStringList({"Oak"}));
    EXPECT_EQ(List()->currentIndex(), -1);
    EXPECT_EQ(TextOf(names::DensityField), "0");
    Choose(names::MaterialList, "Oak");
    EXPECT_EQ(TextOf(names::DensityField), "700");
}

TEST_F(WindowMaterials, CancelledAdditionChangesNothing) {
    Dialogs.AddAnswer = false;
    const std::string before = IniText();
    Click(names::AddMaterialButton);
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Water"}));
    EXPECT_EQ(IniText(), before);
}

TEST_F(WindowMaterials, ConfirmedRemovalTakesTheSelectedMaterialAndSelectsTheFirst) {
    Choose(names::MaterialList, "Aluminium");
    Click(names::RemoveMaterialButton);
    EXPECT_THAT(Dialogs.Events,
                ElementsAre("busy", "confirm: This material will be deleted. Are you sure?", "normal"));
    EXPECT_EQ(Listed(), QStringList({"Steel", "Water"}));
    EXPECT_EQ(List()->currentText(), "Steel");
    EXPECT_EQ(TextOf(names::DensityField), "7850");
    EXPECT_THAT(IniText(), HasSubstr("Count=2"));
}

TEST_F(WindowMaterials, DeclinedRemovalChangesNothing) {
    Dialogs.ConfirmAnswer = false;
    Choose(names::MaterialList, "Water");
    const std::string before = IniText();
    Click(names::RemoveMaterialButton);
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Water"}));
    EXPECT_EQ(List()->currentText(), "Water");
    EXPECT_EQ(IniText(), before);
}

TEST_F(WindowMaterials, RemovingTheOnlyMaterialKeepsItsDensityShownUntilTheNextCalculation) {
    StartWith("[Count]\nCount=1\n[Material]\n0=Steel\n[Density]\n0=7850\n");
    Click(names::RemoveMaterialButton);
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(TextOf(names::DensityField), "7850");
    CubicMetre();
    EXPECT_EQ(TextOf(names::DensityField), "0");
    EXPECT_EQ(TextOf(names::TotalMassField), "0.000");
}

// The catalogue file replaced by a folder while the window is open: every write is refused, even
// for root, and the window must say so and keep its list as the file left it.
TEST_F(WindowMaterials, RefusedWritesShowTheErrorAndKeepList) {
    const std::filesystem::path ini = IniPath();
    std::filesystem::remove(ini);
    std::filesystem::create_directory(ini);
    Dialogs.NewName = "Lead";
    Dialogs.NewDensity = 11340;
    Click(names::AddMaterialButton);
    const std::string reason = "\n" + ini.string() + ": Is a directory";
    EXPECT_THAT(Dialogs.Events, ElementsAre("add-dialog", "error: Error at addition of a material" + reason));
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Water"}));

    Dialogs.Events.clear();
    Choose(names::MaterialList, "Water");
    Click(names::RemoveMaterialButton);
    EXPECT_THAT(Dialogs.Events, ElementsAre("busy", "confirm: This material will be deleted. Are you sure?",
                                            "error: Error at removing of a material" + reason, "normal"));
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Water"}));
    EXPECT_EQ(List()->currentText(), "Water");
    EXPECT_TRUE(std::filesystem::is_directory(ini));
}

// Waits, as the window goes on running, until the condition holds; false after five seconds.
template <typename Condition> bool Eventually(Condition condition) {
    for (int waited = 0; waited < 5000 && !condition(); waited += 10) {
        QTest::qWait(10);
    }
    return condition();
}

// Another program changes the catalogue while the window is open: the window lists what the file
// holds now, keeps the material picked where it is still listed, and keeps the density in force;
// when the picked material is gone, the first is picked and its density applies, as after a removal.
TEST_F(WindowMaterials, ListFollowsChangesMadeByAnotherProgram) {
    Choose(names::MaterialList, "Water");
    ScriptedDialogs otherDialogs;
    MaterialCatalogue elsewhere(IniPath(), otherDialogs);
    elsewhere.LoadMaterials();
    elsewhere.AddMaterial({"Lead", 11340});
    elsewhere.RemoveMaterial(); // Steel, the first
    EXPECT_TRUE(Eventually([&] {
        return Listed() == QStringList({"Aluminium", "Water", "Lead"});
    })) << IniText();
    EXPECT_EQ(List()->currentText(), "Water");
    EXPECT_EQ(TextOf(names::DensityField), "1000");

    elsewhere.PickMaterial(1);
    elsewhere.RemoveMaterial(); // Water
    EXPECT_TRUE(Eventually([&] { return Listed() == QStringList({"Aluminium", "Lead"}); }));
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_EQ(TextOf(names::DensityField), "2700");
    EXPECT_TRUE(Dialogs.Events.empty());
}

// Another program removes the picked material while the add-material dialog is open: the
// addition, made to what the file holds then, picks the first material, and the density shown is
// the one the next calculation takes.
TEST_F(WindowMaterials, AdditionThatFindsThePickedMaterialGoneShowsTheDensityOfTheNewPick) {
    Choose(names::MaterialList, "Water");
    Dialogs.NewName = "Lead";
    Dialogs.NewDensity = 11340;
    Dialogs.WhileAsking = [this] {
        ScriptedDialogs otherDialogs;
        MaterialCatalogue elsewhere(IniPath(), otherDialogs);
        elsewhere.LoadMaterials();
        elsewhere.PickMaterial(2);
        elsewhere.RemoveMaterial(); // Water
    };
    Click(names::AddMaterialButton);
    EXPECT_EQ(Listed(), QStringList({"Steel", "Aluminium", "Lead"}));
    EXPECT_EQ(List()->currentText(), "Steel");
    EXPECT_EQ(TextOf(names::DensityField), "7850");
    CubicMetre();
    EXPECT_EQ(TextOf(names::ObjectMassField), "7850.000");
    EXPECT_EQ(TextOf(names::DensityField), "7850");
}

// Another program puts something unreadable where the catalogue was: the user is told once, the
// materials as last read stay listed, and the list follows the file again once it reads.
TEST_F(WindowMaterials, CatalogueTurnedUnreadableKeepsTheListAndIsToldOnce) {
    const QStringList before = Listed();
    const std::string fifo = IniPath() + ".fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::rename(fifo, IniPath());
    const std::string told = "error: The material catalogue cannot be read.\n" + IniPath() +
                             ": not a regular file\nThe list shows the materials as last read.";
    EXPECT_TRUE(Eventually([&] { return !Dialogs.Events.empty(); }));
    std::filesystem::rename(IniPath(), fifo); // another change of the folder, still unreadable
    ASSERT_EQ(::mkfifo(IniPath().c_str(), 0600), 0);
    QTest::qWait(200);
    EXPECT_THAT(Dialogs.Events, ElementsAre(told));
    EXPECT_EQ(Listed(), before);

    std::filesystem::remove(IniPath());
    std::filesystem::remove(fifo);
    { std::ofstream(IniPath()) << "[Count]\nCount=1\n[Material]\n0=Lead\n[Density]\n0=11340\n"; }
    EXPECT_TRUE(Eventually([&] { return Listed() == QStringList({"Lead"}); }));
    EXPECT_THAT(Dialogs.Events, ElementsAre(told));
}

// A catalogue that exists but cannot be read: an error box at start, an empty list, and the
// file is never written.
TEST_F(WindowMaterials, UnreadableCatalogueIsReportedAtStart) {
    QTemporaryDir folder;
    const std::string catalogue =
        QFile::encodeName(folder.filePath(QStringLiteral("volcalc.ini"))).toStdString();
    std::filesystem::create_directory(catalogue);
    Dialogs.Events.clear();
    ui::MainWindow window(ui::MainWindowOptions{catalogue, &Dialogs});
    EXPECT_THAT(Dialogs.Events, ElementsAre("error: The material catalogue cannot be read.\n" + catalogue +
                                            ": Is a directory"));
    EXPECT_EQ(window.findChild<QComboBox*>(QString::fromLatin1(names::MaterialList))->count(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(catalogue));
}

} // namespace
} // namespace volcalc::test
