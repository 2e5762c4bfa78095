// SPDX-License-Identifier: GPL-3.0-or-later
// The standard section panel, the last entry of the object shape list: built on first choice, its
// lists, figures and picture, the calculation it makes, and the Tab key through it.
#include "form_fixture.h"
#include "user_actions.h"

#include "ui/parts_list/parts_list_model.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <filesystem>

namespace volcalc::test {
namespace {

class SectionPanel : public FormFixture {
protected:
    QString PictureOf() { return Find<QLabel>(names::ObjectPicture)->property("picture").toString(); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }
};

TEST_F(SectionPanel, BuiltOnlyWhenFirstChosen) {
    EXPECT_EQ(Form().findChild<QWidget*>(names::section::Panel), nullptr);
    Choose(names::ObjectShapeList, "Standard section");
    ASSERT_NE(Find(names::section::Panel), nullptr);
    EXPECT_TRUE(Find(names::section::Panel)->isVisible());
    EXPECT_FALSE(Find(names::PanelOf(CalcGroup::Object, "Parallelepiped")->Panel)->isVisible());
    // The EN families, then the American ones.
    EXPECT_EQ(List(names::section::FamilyList)->count(), 28);
    EXPECT_EQ(List(names::section::FamilyList)->itemText(14), "RHS cold-formed");
    EXPECT_EQ(List(names::section::FamilyList)->itemText(15), "W shapes");
    EXPECT_EQ(List(names::section::FamilyList)->currentText(), "IPE");
    EXPECT_EQ(List(names::section::SizeList)->currentText(), "IPE 80");
    EXPECT_EQ(PictureOf(), "S301");
    // 7.643 cm² of steel at 7850 kg/m³.
    EXPECT_EQ(TextOf(names::section::AreaField), QString::fromUtf8("A = 7.643 cm²"));
    EXPECT_EQ(TextOf(names::section::MassPerMetreField), "6.000 kg/m");
    EXPECT_EQ(TextOf(names::section::SurfacePerMetreField), QString::fromUtf8("0.3278 m²/m"));

    Choose(names::ObjectShapeList, "Cylinder");
    EXPECT_FALSE(Find(names::section::Panel)->isVisible());
    EXPECT_EQ(PictureOf(), "P002");
}

TEST_F(SectionPanel, FamiliesShowTheirSizesAndPicture) {
    Choose(names::ObjectShapeList, "Standard section");
    const struct {
        const char* family;
        const char* firstSize;
        const char* picture;
    } cases[] = {
        {"UPN", "UPN 50", "S303"},
        {"UPE", "UPE 80", "S302"},
        {"Equal angles", "L 20x20x3", "S304"},
        {"RHS cold-formed", "CFRHS 50x25x2", "S305"},
        {"CHS hot-finished", "HFCHS 42.4x3.2", "S306"},
        {"HEA", "HEA 100", "S301"},
        {"W shapes", "W44X335", "S301"},
        {"WT tees", "WT22X167.5", "S307"},
        {"HSS rectangular", "HSS24X12X3/4", "S305"},
        {"Pipe", "Pipe26STD", "S306"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        Choose(names::section::FamilyList, c.family);
        EXPECT_EQ(List(names::section::SizeList)->currentText(), c.firstSize);
        EXPECT_EQ(PictureOf(), c.picture);
    }
}

TEST_F(SectionPanel, CalculatesTheSizeChosenAndFollowsTheMaterial) {
    Choose(names::ObjectShapeList, "Standard section");
    Choose(names::section::SizeList, "IPE 200");
    Type(names::section::LengthField, "6000");
    Type(names::ObjectQuantity, "4");
    Click(names::ObjectCalculateButton);
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "0.068"); // 4 × 6 m × 28.484 cm²
    EXPECT_EQ(TextOf(names::ObjectMassField), "536.640"); // in steel
    EXPECT_EQ(TextOf(names::section::MassPerMetreField), "22.360 kg/m");
    // The parts list names the section by its designation, with the length as its parameter.
    const auto* rows = Form().findChild<ui::PartsListModel*>();
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->data(rows->index(0, ui::PartsListModel::ShapeColumn)).toString(), "IPE 200");
    EXPECT_EQ(rows->data(rows->index(0, ui::PartsListModel::ParametersColumn)).toString(), "Length=6000");
    // Four pieces of 6 m of an outline of 768.2 mm, in the square metres beside the cubic metres.
    EXPECT_EQ(rows->data(rows->index(0, ui::PartsListModel::SurfaceColumn)).toString(), "18.437");
    Choose(names::MaterialList, "Aluminium");
    EXPECT_EQ(TextOf(names::section::MassPerMetreField), "7.691 kg/m");

    Type(names::section::LengthField, "");
    Click(names::ObjectCalculateButton);
    EXPECT_EQ(Desktop.Messages.size(), 1u); // "Wrong data input."
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "0.068");
}

TEST_F(SectionPanel, RowsLeftOutOfTheTablesAreToldOnceWhenFirstRead) {
    const std::filesystem::path user = Folder() / "sections";
    std::filesystem::create_directories(user);
    QFile table(QString::fromStdString((user / "mine.csv").string()));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("designation,h,b,t,area_cm2\nMY 1,40,40,2,2.39\nMY 2,40,40\n");
    table.close();
    ui::MainWindow window(ui::MainWindowOptions{
        IniPath(), &Dialogs, Folder(),
        sections::SectionFolders{std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", user}});
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* shapes = window.findChild<QComboBox*>(names::ObjectShapeList);
    test::Choose(shapes, "Standard section");
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Text,
              "Rows of the section tables were left out:\n" +
                  QString::fromStdString((user / "mine.csv").string()) +
                  ", line 3: 3 fields where the header has 5; the row is left out.");
    auto* families = window.findChild<QComboBox*>(names::section::FamilyList);
    EXPECT_EQ(families->itemText(families->count() - 1), "mine");
    test::Choose(shapes, "Cylinder");
    test::Choose(shapes, "Standard section");
    EXPECT_EQ(Desktop.Messages.size(), 1u);
}

TEST_F(SectionPanel, TabGoesFromTheUnitListThroughThePanel) {
    Choose(names::ObjectShapeList, "Standard section");
    Find(names::ObjectUnitList)->setFocus();
    for (const char* next :
         {names::section::FamilyList, names::section::SizeList, names::section::LengthField,
          names::section::AreaField, names::section::MassPerMetreField, names::section::SurfacePerMetreField,
          names::ApertureShapeList}) {
        PressTab();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
}

} // namespace
} // namespace volcalc::test
