// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user works it: calculations, display units, undo and reset, and what
// the window reports when the input is wrong.
#include "form_fixture.h"

#include "calc/ledger.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/dialogs/about_box.h"

#include "ui/object_names.h"
#include <gmock/gmock.h>

namespace volcalc::test {

namespace names = volcalc::ui::names;
namespace {

using ::testing::ElementsAre;

constexpr const char* ResultFields[] = {names::ObjectVolumeField, names::ApertureVolumeField,
                                        names::TotalVolumeField,  names::ObjectMassField,
                                        names::ApertureMassField, names::TotalMassField};

class WindowBehaviour : public FormFixture {
protected:
    // Six result texts in the order object, aperture and total volume, then the same masses.
    std::vector<QString> Results() {
        std::vector<QString> texts;
        for (const char* field : ResultFields) {
            texts.push_back(TextOf(field));
        }
        return texts;
    }

    void CalculateObjectBox(const char* a, const char* b, const char* c) {
        TypeParameters(CalcGroup::Object, "Parallelepiped", {a, b, c});
        Click(names::ObjectCalculateButton);
    }

    // One cubic metre of steel: the first material of the file.
    void CubicMetreOfSteel() { CalculateObjectBox("1000", "1000", "1000"); }

    bool UndoEnabled() { return Find<QToolButton>(names::UndoButton)->isEnabled(); }
};

TEST_F(WindowBehaviour, StartsWithTheFirstMaterialEmptyResultsAndNoUndo) {
    EXPECT_EQ(Find<QComboBox>(names::MaterialList)->currentText(), "Steel");
    EXPECT_EQ(TextOf(names::DensityField), "7850");
    EXPECT_EQ(Form().LedgerState().CurrentDensity(), 7850);
    EXPECT_THAT(Results(), ElementsAre("", "", "", "", "", ""));
    EXPECT_FALSE(UndoEnabled());
    EXPECT_EQ(Find<QComboBox>(names::VolumeUnitList)->currentText(), "meter");
    EXPECT_EQ(Find<QComboBox>(names::MassUnitList)->currentText(), "kilogram");
    EXPECT_EQ(Find<QComboBox>(names::ObjectUnitList)->currentText(), "millimeter");
    EXPECT_EQ(Find<QComboBox>(names::ApertureUnitList)->currentText(), "millimeter");
}

TEST_F(WindowBehaviour, SteelCubeThenApertureGivesTheDifference) {
    CubicMetreOfSteel();
    EXPECT_THAT(Results(), ElementsAre("1.000", "0.000", "1.000", "7850.000", "0.000", "7850.000"));
    EXPECT_TRUE(UndoEnabled());

    Choose(names::ApertureShapeList, "Parallelepiped");
    TypeParameters(CalcGroup::Aperture, "Parallelepiped", {"500", "500", "1000"});
    Click(names::ApertureCalculateButton);
    EXPECT_THAT(Results(), ElementsAre("1.000", "0.250", "0.750", "7850.000", "1962.500", "5887.500"));
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_TRUE(Desktop.ErrorBoxes.empty());
}

struct DisplayCase {
    const char* List;
    const char* Unit;
    const char* Shown; // the group's total after one cubic metre of steel
};

void PrintTo(const DisplayCase& unit, std::ostream* out) {
    *out << unit.List << '_' << QString::fromLatin1(unit.Unit).replace(' ', '_').toStdString();
}

class DisplayUnits : public WindowBehaviour, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayUnits, ShowTheFirstCalculationInTheChosenUnit) {
    CubicMetreOfSteel();
    const DisplayCase& unit = GetParam();
    Choose(unit.List, unit.Unit);
    const bool volume = std::string_view(unit.List) == names::VolumeUnitList;
    EXPECT_EQ(TextOf(volume ? names::ObjectVolumeField : names::ObjectMassField), unit.Shown);
    EXPECT_EQ(TextOf(volume ? names::TotalVolumeField : names::TotalMassField), unit.Shown);
    EXPECT_EQ(TextOf(volume ? names::ApertureVolumeField : names::ApertureMassField), "0.000");
    // The other group is not rewritten.
    EXPECT_EQ(TextOf(volume ? names::TotalMassField : names::TotalVolumeField),
              volume ? "7850.000" : "1.000");
}

INSTANTIATE_TEST_SUITE_P(Units, DisplayUnits,
                         ::testing::Values(DisplayCase{names::VolumeUnitList, "inch", "61024.000"},
                                           DisplayCase{names::VolumeUnitList, "foot", "35.315"},
                                           DisplayCase{names::VolumeUnitList, "yard", "1.308"},
                                           DisplayCase{names::VolumeUnitList, "centimeter", "1E6"},
                                           DisplayCase{names::VolumeUnitList, "millimeter", "1E9"},
                                           DisplayCase{names::MassUnitList, "metric ton", "7.850"},
                                           DisplayCase{names::MassUnitList, "centner", "78.500"},
                                           DisplayCase{names::MassUnitList, "pound", "17306.000"},
                                           DisplayCase{names::MassUnitList, "gram", "7.85E6"}));

TEST_F(WindowBehaviour, SwitchingBackShowsExactlyWhatTheCalculationWrote) {
    CubicMetreOfSteel();
    const std::vector<QString> written = Results();
    Choose(names::MassUnitList, "pound");
    Choose(names::MassUnitList, "kilogram");
    Choose(names::VolumeUnitList, "yard");
    Choose(names::VolumeUnitList, "meter");
    EXPECT_EQ(Results(), written);
}

// A total too large for the picked unit: the error box, and the list stays on the unit its
// figures are in, so no field shows a figure under the wrong unit.
TEST_F(WindowBehaviour, UnitThatOverflowsKeepsTheListOnTheFiguresUnit) {
    CalculateObjectBox("1e300", "1e5", "1e5");
    const std::vector<QString> written = Results();
    ASSERT_EQ(TextOf(names::TotalVolumeField), "1E301");
    Choose(names::VolumeUnitList, "millimeter");
    Choose(names::VolumeUnitList, "millimeter");
    EXPECT_EQ(Find<QComboBox>(names::VolumeUnitList)->currentText(), "meter");
    EXPECT_EQ(Results(), written);
    EXPECT_THAT(Desktop.ErrorBoxes, ElementsAre("Floating point overflow.", "Floating point overflow."));
    Choose(names::VolumeUnitList, "centimeter");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1E307");
    Choose(names::VolumeUnitList, "millimeter");
    EXPECT_EQ(Find<QComboBox>(names::VolumeUnitList)->currentText(), "centimeter");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1E307");
}

TEST_F(WindowBehaviour, UnitChangeBeforeAnyCalculationWritesZeroIntoThatGroupOnly) {
    Choose(names::MassUnitList, "gram");
    EXPECT_THAT(Results(), ElementsAre("", "", "", "0.000", "0.000", "0.000"));
}

TEST_F(WindowBehaviour, CalculationPutsTheDisplayListsBackToMetreAndKilogram) {
    Choose(names::MassUnitList, "pound");
    Choose(names::VolumeUnitList, "inch");
    CubicMetreOfSteel();
    EXPECT_EQ(Find<QComboBox>(names::VolumeUnitList)->currentText(), "meter");
    EXPECT_EQ(Find<QComboBox>(names::MassUnitList)->currentText(), "kilogram");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.000");
}

TEST_F(WindowBehaviour, UndoStepsBackThroughEveryCalculation) {
    CubicMetreOfSteel();
    const std::vector<QString> afterFirst = Results();
    CalculateObjectBox("1000", "1000", "2000");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "3.000");

    Click(names::UndoButton);
    EXPECT_EQ(Results(), afterFirst);
    EXPECT_TRUE(UndoEnabled());
    Click(names::UndoButton);
    EXPECT_THAT(Results(), ElementsAre("0.000", "0.000", "0.000", "0.000", "0.000", "0.000"));
    EXPECT_FALSE(UndoEnabled());
    Click(names::UndoButton); // disabled: nothing happens
    EXPECT_THAT(Results(), ElementsAre("0.000", "0.000", "0.000", "0.000", "0.000", "0.000"));
}

TEST_F(WindowBehaviour, ResetZeroesEverythingAsOneChangeUndoTakesBack) {
    CubicMetreOfSteel();
    const std::vector<QString> before = Results();
    Choose(names::MassUnitList, "pound");
    Click(names::ResetButton);
    EXPECT_THAT(Results(), ElementsAre("0.000", "0.000", "0.000", "0.000", "0.000", "0.000"));
    // Reset leaves the display lists as they were.
    EXPECT_EQ(Find<QComboBox>(names::MassUnitList)->currentText(), "pound");
    EXPECT_TRUE(UndoEnabled());
    Click(names::UndoButton);
    EXPECT_EQ(Results(), before);
}

TEST_F(WindowBehaviour, EmptyParameterGivesOneWarningAndChangesNothing) {
    CubicMetreOfSteel();
    const std::vector<QString> before = Results();
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "b"), "");
    Click(names::ObjectCalculateButton);
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Text, QString::fromLatin1(WrongDataWarning.data()));
    EXPECT_EQ(Desktop.Messages[0].Text, "Wrong data input.\r\nCheck up all entered parameters.");
    EXPECT_EQ(Desktop.Messages[0].Type, ui::MessageKind::Warning);
    EXPECT_EQ(Desktop.Messages[0].Buttons, ui::OkButton);
    EXPECT_EQ(Results(), before);
    EXPECT_TRUE(UndoEnabled());
}

TEST_F(WindowBehaviour, UnreadableParameterShowsTheErrorBoxAndChangesNothing) {
    CalculateObjectBox("1000", "12a", "1000");
    ASSERT_EQ(Desktop.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Desktop.ErrorBoxes[0], "'12a' is not a valid floating point value.");
    EXPECT_THAT(Results(), ElementsAre("", "", "", "", "", ""));
    EXPECT_FALSE(UndoEnabled());
    // The program goes on: the next calculation works.
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "b"), "1000");
    Click(names::ObjectCalculateButton);
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.000");
}

TEST_F(WindowBehaviour, OverflowingParameterShowsTheFloatingPointError) {
    CalculateObjectBox("1e600", "1", "1");
    ASSERT_EQ(Desktop.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Desktop.ErrorBoxes[0], "Floating point overflow.");
}

TEST_F(WindowBehaviour, QuantityAndLengthUnitScaleTheCalculation) {
    Type(names::ObjectQuantity, "3");
    Choose(names::ObjectUnitList, "centimeter");
    CalculateObjectBox("2", "3", "4");
    EXPECT_DOUBLE_EQ(Form().LedgerState().Totals().ObjectVolume, 0.000072);
}

TEST_F(WindowBehaviour, QuantityIsClampedWhenTheCalculateButtonIsClicked) {
    TypeParameters(CalcGroup::Object, "Parallelepiped", {"1000", "1000", "1000"});
    Type(names::ObjectQuantity, "5000");
    Click(names::ObjectCalculateButton);
    EXPECT_EQ(TextOf(names::ObjectQuantity), "1000");
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "1000.000");
}

TEST_F(WindowBehaviour, AnApertureLargerThanTheObjectGivesNegativeTotals) {
    CalculateObjectBox("100", "100", "100");
    Choose(names::ApertureShapeList, "Sphere");
    Type(names::Field(CalcGroup::Aperture, "Sphere", "a"), "1000");
    Click(names::ApertureCalculateButton);
    EXPECT_TRUE(TextOf(names::TotalVolumeField).startsWith('-'));
    EXPECT_TRUE(TextOf(names::TotalMassField).startsWith('-'));
}

TEST_F(WindowBehaviour, HelpOpensTheHelpFileOfTheWindowsHelpFolder) {
    const QString helpFile = QString::fromStdString((Folder() / "TORVA.CHM").string());
    QFile(helpFile).open(QIODevice::WriteOnly);
    Desktop.DefaultApplications[QStringLiteral("application/vnd.ms-htmlhelp")] =
        QStringLiteral("xchm.desktop");
    Click(names::HelpButton);
    ASSERT_EQ(Desktop.ShellRequests.size(), 1u);
    EXPECT_EQ(Desktop.ShellRequests[0].Target, helpFile);
}

// While the About box is up, the main window takes no input: a click on Reset does nothing.
TEST_F(WindowBehaviour, AboutShowsTheAboutBoxModally) {
    CubicMetreOfSteel();
    ui::AboutBox box;
    Form().SetAboutBox(&box);
    bool shownModally = false;
    QTimer watcher;
    int ticks = 0;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        ++ticks;
        if (QApplication::activeModalWidget() == &box) {
            shownModally = box.isModal();
            // Through the window system, as the desktop delivers a click, where modality applies.
            QWidget* reset = Find(names::ResetButton);
            QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {},
                              reset->mapTo(&Form(), reset->rect().center()));
            box.accept();
        } else if (ticks > 500) {
            box.reject(); // never left waiting
        }
    });
    watcher.start(10);
    Click(names::AboutButton);
    watcher.stop();
    Form().SetAboutBox(nullptr);
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.000");
    EXPECT_TRUE(UndoEnabled());
    // The same click once the box is closed does reach the button.
    QWidget* reset = Find(names::ResetButton);
    QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {},
                      reset->mapTo(&Form(), reset->rect().center()));
    EXPECT_EQ(TextOf(names::TotalVolumeField), "0.000");
}

TEST_F(WindowBehaviour, ExitClosesTheWindow) {
    Click(names::ExitButton);
    EXPECT_FALSE(Form().isVisible());
}

} // namespace
} // namespace volcalc::test
