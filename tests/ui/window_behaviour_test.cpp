// The main window as a user works it: calculations, display units, undo and reset, and what
// the window reports when the input is wrong.
#include "form_fixture.h"

#include "calc/ledger.h"

#include "ui/program_windows.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/about.h"

#include <gmock/gmock.h>

namespace volcalc::test {
namespace {

using ::testing::ElementsAre;

constexpr const char* ResultFields[] = {"Edit42", "Edit43", "Edit10", "Edit17", "Edit16", "Edit7"};

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
        Type("Edit2", a);
        Type("Edit3", b);
        Type("Edit4", c);
        Click("BitBtn5");
    }

    // One cubic metre of steel: the first material of the file.
    void CubicMetreOfSteel() { CalculateObjectBox("1000", "1000", "1000"); }

    bool UndoEnabled() { return Find<QToolButton>("SpeedButton5")->isEnabled(); }
};

TEST_F(WindowBehaviour, StartsWithTheFirstMaterialEmptyResultsAndNoUndo) {
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "Steel");
    EXPECT_EQ(TextOf("Edit1"), "7850");
    EXPECT_EQ(Form().LedgerState().CurrentDensity(), 7850);
    EXPECT_THAT(Results(), ElementsAre("", "", "", "", "", ""));
    EXPECT_FALSE(UndoEnabled());
    EXPECT_EQ(Find<QComboBox>("ComboBox16")->currentText(), "meter");
    EXPECT_EQ(Find<QComboBox>("ComboBox15")->currentText(), "kilogram");
    EXPECT_EQ(Find<QComboBox>("ComboBox11")->currentText(), "millimeter");
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->currentText(), "millimeter");
}

TEST_F(WindowBehaviour, SteelCubeThenApertureGivesTheDifference) {
    CubicMetreOfSteel();
    EXPECT_THAT(Results(), ElementsAre("1.000", "0.000", "1.000", "7850.000", "0.000", "7850.000"));
    EXPECT_TRUE(UndoEnabled());

    Choose("ComboBox3", "Parallelepiped");
    Type("Edit5", "500");
    Type("Edit8", "500");
    Type("Edit9", "1000");
    Click("BitBtn7");
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
    const bool volume = std::string_view(unit.List) == "ComboBox16";
    EXPECT_EQ(TextOf(volume ? "Edit42" : "Edit17"), unit.Shown);
    EXPECT_EQ(TextOf(volume ? "Edit10" : "Edit7"), unit.Shown);
    EXPECT_EQ(TextOf(volume ? "Edit43" : "Edit16"), "0.000");
    // The other group is not rewritten.
    EXPECT_EQ(TextOf(volume ? "Edit7" : "Edit10"), volume ? "7850.000" : "1.000");
}

INSTANTIATE_TEST_SUITE_P(Units, DisplayUnits,
                         ::testing::Values(DisplayCase{"ComboBox16", "inch", "61024.000"},
                                           DisplayCase{"ComboBox16", "foot", "35.315"},
                                           DisplayCase{"ComboBox16", "yard", "1.308"},
                                           DisplayCase{"ComboBox16", "centimeter", "1E6"},
                                           DisplayCase{"ComboBox16", "millimeter", "1E9"},
                                           DisplayCase{"ComboBox15", "metric ton", "7.850"},
                                           DisplayCase{"ComboBox15", "centner", "78.500"},
                                           DisplayCase{"ComboBox15", "pound", "17306.000"},
                                           DisplayCase{"ComboBox15", "gram", "7.85E6"}));

TEST_F(WindowBehaviour, SwitchingBackShowsExactlyWhatTheCalculationWrote) {
    CubicMetreOfSteel();
    const std::vector<QString> written = Results();
    Choose("ComboBox15", "pound");
    Choose("ComboBox15", "kilogram");
    Choose("ComboBox16", "yard");
    Choose("ComboBox16", "meter");
    EXPECT_EQ(Results(), written);
}

// A total too large for the picked unit: the error box, and the list stays on the unit its
// figures are in, so no field shows a figure under the wrong unit.
TEST_F(WindowBehaviour, UnitThatOverflowsKeepsTheListOnTheFiguresUnit) {
    CalculateObjectBox("1e300", "1e5", "1e5");
    const std::vector<QString> written = Results();
    ASSERT_EQ(TextOf("Edit10"), "1E301");
    Choose("ComboBox16", "millimeter");
    Choose("ComboBox16", "millimeter");
    EXPECT_EQ(Find<QComboBox>("ComboBox16")->currentText(), "meter");
    EXPECT_EQ(Results(), written);
    EXPECT_THAT(Desktop.ErrorBoxes, ElementsAre("Floating point overflow.", "Floating point overflow."));
    Choose("ComboBox16", "centimeter");
    EXPECT_EQ(TextOf("Edit10"), "1E307");
    Choose("ComboBox16", "millimeter");
    EXPECT_EQ(Find<QComboBox>("ComboBox16")->currentText(), "centimeter");
    EXPECT_EQ(TextOf("Edit10"), "1E307");
}

TEST_F(WindowBehaviour, UnitChangeBeforeAnyCalculationWritesZeroIntoThatGroupOnly) {
    Choose("ComboBox15", "gram");
    EXPECT_THAT(Results(), ElementsAre("", "", "", "0.000", "0.000", "0.000"));
}

TEST_F(WindowBehaviour, CalculationPutsTheDisplayListsBackToMetreAndKilogram) {
    Choose("ComboBox15", "pound");
    Choose("ComboBox16", "inch");
    CubicMetreOfSteel();
    EXPECT_EQ(Find<QComboBox>("ComboBox16")->currentText(), "meter");
    EXPECT_EQ(Find<QComboBox>("ComboBox15")->currentText(), "kilogram");
    EXPECT_EQ(TextOf("Edit10"), "1.000");
}

TEST_F(WindowBehaviour, UndoRestoresTheTotalsBeforeTheLastCalculationOnce) {
    CubicMetreOfSteel();
    const std::vector<QString> afterFirst = Results();
    CalculateObjectBox("1000", "1000", "2000");
    EXPECT_EQ(TextOf("Edit10"), "3.000");

    Click("SpeedButton5");
    EXPECT_EQ(Results(), afterFirst);
    EXPECT_FALSE(UndoEnabled());
    Click("SpeedButton5"); // disabled: nothing happens
    EXPECT_EQ(Results(), afterFirst);
}

TEST_F(WindowBehaviour, ResetZeroesEverythingAndDisablesUndo) {
    CubicMetreOfSteel();
    Choose("ComboBox15", "pound");
    Click("SpeedButton6");
    EXPECT_THAT(Results(), ElementsAre("0.000", "0.000", "0.000", "0.000", "0.000", "0.000"));
    EXPECT_FALSE(UndoEnabled());
    // Reset leaves the display lists as they were.
    EXPECT_EQ(Find<QComboBox>("ComboBox15")->currentText(), "pound");
}

TEST_F(WindowBehaviour, EmptyParameterGivesOneWarningAndChangesNothing) {
    CubicMetreOfSteel();
    const std::vector<QString> before = Results();
    Type("Edit3", "");
    Click("BitBtn5");
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Text, QString::fromLatin1(WrongDataWarning.data()));
    EXPECT_EQ(Desktop.Messages[0].Text, "Wrong data input.\r\nCheck up all entered parameters.");
    EXPECT_EQ(Desktop.Messages[0].Type, ui::MsgDlgType::Warning);
    EXPECT_EQ(Desktop.Messages[0].Buttons, ui::mbOK);
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
    Type("Edit3", "1000");
    Click("BitBtn5");
    EXPECT_EQ(TextOf("Edit10"), "1.000");
}

TEST_F(WindowBehaviour, OverflowingParameterShowsTheFloatingPointError) {
    CalculateObjectBox("1e600", "1", "1");
    ASSERT_EQ(Desktop.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Desktop.ErrorBoxes[0], "Floating point overflow.");
}

TEST_F(WindowBehaviour, QuantityAndLengthUnitScaleTheCalculation) {
    Type("SpinEdit2", "3");
    Choose("ComboBox11", "centimeter");
    CalculateObjectBox("2", "3", "4");
    EXPECT_DOUBLE_EQ(Form().LedgerState().Totals().ObjectVolume, 0.000072);
}

TEST_F(WindowBehaviour, QuantityIsClampedWhenTheCalculateButtonIsClicked) {
    Type("Edit2", "1000");
    Type("Edit3", "1000");
    Type("Edit4", "1000");
    Type("SpinEdit2", "5000");
    Click("BitBtn5");
    EXPECT_EQ(TextOf("SpinEdit2"), "1000");
    EXPECT_EQ(TextOf("Edit42"), "1000.000");
}

TEST_F(WindowBehaviour, AnApertureLargerThanTheObjectGivesNegativeTotals) {
    CalculateObjectBox("100", "100", "100");
    Choose("ComboBox3", "Sphere");
    Type("Edit60", "1000");
    Click("BitBtn7");
    EXPECT_TRUE(TextOf("Edit10").startsWith('-'));
    EXPECT_TRUE(TextOf("Edit7").startsWith('-'));
}

TEST_F(WindowBehaviour, HelpHandsTheShellTheHelpFileBesideTheExecutable) {
    Click("SpeedButton2");
    ASSERT_EQ(Desktop.ShellRequests.size(), 1u);
    EXPECT_EQ(Desktop.ShellRequests[0].Verb, "OPEN");
    EXPECT_EQ(Desktop.ShellRequests[0].Target, QCoreApplication::applicationDirPath() + "/TORVA.CHM");
}

// While the About box is up, the main window takes no input: a click on Reset does nothing.
TEST_F(WindowBehaviour, AboutShowsTheAboutBoxModally) {
    CubicMetreOfSteel();
    ui::TAboutBox box;
    ui::AboutBox = &box;
    bool shownModally = false;
    QTimer watcher;
    int ticks = 0;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        ++ticks;
        if (QApplication::activeModalWidget() == &box) {
            shownModally = box.isModal();
            // Through the window system, as the desktop delivers a click, where modality applies.
            QWidget* reset = Find("SpeedButton6");
            QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {},
                              reset->mapTo(&Form(), reset->rect().center()));
            box.accept();
        } else if (ticks > 500) {
            box.reject(); // never left waiting
        }
    });
    watcher.start(10);
    Click("SpeedButton1");
    watcher.stop();
    ui::AboutBox = nullptr;
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(TextOf("Edit10"), "1.000");
    EXPECT_TRUE(UndoEnabled());
    // The same click once the box is closed does reach the button.
    QWidget* reset = Find("SpeedButton6");
    QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {},
                      reset->mapTo(&Form(), reset->rect().center()));
    EXPECT_EQ(TextOf("Edit10"), "0.000");
}

TEST_F(WindowBehaviour, ExitClosesTheWindow) {
    Click("SpeedButton3");
    EXPECT_FALSE(Form().isVisible());
}

} // namespace
} // namespace volcalc::test
