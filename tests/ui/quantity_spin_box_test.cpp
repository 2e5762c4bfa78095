// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity field: typing, reading, clamping on leaving, stepping by keys and arrow buttons.
#include "scripted_desktop.h"
#include "user_actions.h"

#include "ui/widgets/arrow_button.h"
#include "ui/widgets/quantity_spin_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace volcalc::test {
namespace {

using ui::QuantitySpinBox;

// A window holding the quantity field and another field to move the focus to.
class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 100);
        Spin = new QuantitySpinBox(m_window.get());
        Spin->setGeometry(10, 10, 57, 22);
        Spin->SetMinValue(1);
        Spin->SetMaxValue(1000);
        Other = new QLineEdit(m_window.get());
        Other->setGeometry(10, 50, 80, 21);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Types into the field and leaves it with the Tab key.
    void TypeAndLeave(const QString& text) {
        TypeInto(Spin, text);
        PressTab();
    }

    ScriptedDesktop Desktop;
    QuantitySpinBox* Spin = nullptr;
    QLineEdit* Other = nullptr;

private:
    std::unique_ptr<QWidget> m_window;
};

TEST_F(SpinEditTest, StartsAtOne) {
    EXPECT_EQ(Spin->text(), "1");
    EXPECT_EQ(Spin->Value(), 1);
    EXPECT_TRUE(Spin->EditorEnabled());
}

TEST_F(SpinEditTest, RefusedKeysBeepAndChangeNothing) {
    TypeInto(Spin, "12");
    for (const char* key : {"a", "Z", " ", "/", "*"}) {
        QTest::keyClicks(Spin, QString::fromLatin1(key));
    }
    QTest::keyClick(Spin, Qt::Key_Return);
    EXPECT_EQ(Desktop.Beeps, 6);
    EXPECT_EQ(Spin->text(), "12");
}

TEST_F(SpinEditTest, DigitsSignsAndTheSeparatorAreTypedWithoutBeep) {
    TypeInto(Spin, "-+0123456789.");
    EXPECT_EQ(Desktop.Beeps, 0);
    EXPECT_EQ(Spin->text(), "-+0123456789.");
    QTest::keyClick(Spin, Qt::Key_Backspace);
    EXPECT_EQ(Spin->text(), "-+0123456789");
}

struct LeaveCase {
    const char* Typed;
    const char* Shown; // after leaving the field
    int Value;
};

void PrintTo(const LeaveCase& text, std::ostream* out) {
    *out << "typed[" << text.Typed << ']';
}

class LeavingTheField : public SpinEditTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingTheField, ClampsOnlyWhatReadsOutsideTheRange) {
    TypeAndLeave(QString::fromLatin1(GetParam().Typed));
    EXPECT_EQ(Spin->text(), GetParam().Shown);
    EXPECT_EQ(Spin->Value(), GetParam().Value);
    EXPECT_EQ(QApplication::focusWidget(), Other);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeavingTheField,
                         ::testing::Values(LeaveCase{"0", "1", 1}, LeaveCase{"5000", "1000", 1000},
                                           LeaveCase{"-7", "1", 1}, LeaveCase{"1.5", "1.5", 1},
                                           LeaveCase{"", "", 1}, LeaveCase{"999", "999", 999},
                                           LeaveCase{"007", "007", 7}, LeaveCase{"-0", "1", 1}));

TEST_F(SpinEditTest, ReadingDoesNotClamp) {
    TypeInto(Spin, "5000");
    EXPECT_EQ(Spin->Value(), 5000);
    TypeInto(Spin, "0");
    EXPECT_EQ(Spin->Value(), 0);
}

TEST_F(SpinEditTest, WritingClamps) {
    Spin->SetValue(0);
    EXPECT_EQ(Spin->text(), "1");
    Spin->SetValue(123456);
    EXPECT_EQ(Spin->text(), "1000");
    Spin->SetValue(42);
    EXPECT_EQ(Spin->text(), "42");
}

TEST_F(SpinEditTest, PastedTextIsNotFilteredAndReadsAsHexadecimal) {
    QApplication::clipboard()->setText(QStringLiteral("$10"));
    TypeInto(Spin, "");
    QTest::keyClick(Spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Spin->text(), "$10");
    EXPECT_EQ(Spin->Value(), 16);
    EXPECT_EQ(Desktop.Beeps, 0);
}

struct StepCase {
    const char* Start;
    Qt::Key Key;
    const char* Shown;
};

void PrintTo(const StepCase& step, std::ostream* out) {
    *out << (step.Key == Qt::Key_Up ? "up_from[" : "down_from[") << step.Start << ']';
}

class ArrowKeys : public SpinEditTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ArrowKeys, StepOncePerPressWithinTheRange) {
    TypeInto(Spin, QString::fromLatin1(GetParam().Start));
    QTest::keyClick(Spin, GetParam().Key);
    EXPECT_EQ(Spin->text(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowKeys,
                         ::testing::Values(StepCase{"5", Qt::Key_Up, "6"}, StepCase{"5", Qt::Key_Down, "4"},
                                           StepCase{"1000", Qt::Key_Up, "1000"},
                                           StepCase{"1", Qt::Key_Down, "1"}, StepCase{"abc", Qt::Key_Up, "2"},
                                           StepCase{"abc", Qt::Key_Down, "1"},
                                           StepCase{"5000", Qt::Key_Down, "1000"}));

TEST_F(SpinEditTest, EnteringWithTabSelectsTheWholeText) {
    TypeInto(Spin, "123");
    PressTab();
    QTest::keyClick(Other, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), Spin);
    EXPECT_EQ(Spin->selectedText(), "123");
}

class ArrowButtons : public SpinEditTest {
protected:
    ui::ArrowButton* Up() { return Spin->UpButton(); }
    QPoint Middle() { return Up()->rect().center(); }
};

TEST_F(ArrowButtons, PressTakesTheFocusAndReleaseOverTheButtonStepsOnce) {
    ClickOn(Other);
    QTest::mousePress(Up(), Qt::LeftButton, {}, Middle());
    EXPECT_EQ(QApplication::focusWidget(), Spin);
    EXPECT_EQ(Spin->text(), "1");
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, Middle());
    EXPECT_EQ(Spin->text(), "2");
    QTest::mouseClick(Spin->DownButton(), Qt::LeftButton, {}, Spin->DownButton()->rect().center());
    EXPECT_EQ(Spin->text(), "1");
}

TEST_F(ArrowButtons, ReleaseAwayFromTheButtonDoesNotStep) {
    QTest::mousePress(Up(), Qt::LeftButton, {}, Middle());
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(Spin->text(), "1");
}

TEST_F(ArrowButtons, HeldButtonRepeatsFirstAfterThePauseThenAtTheShorterPace) {
    QTest::mousePress(Up(), Qt::LeftButton, {}, Middle());
    const QTimer& timer = Up()->RepeatTimer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), ui::ArrowButton::RepeatPause);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spin->text() == "2"; }));
    EXPECT_EQ(timer.interval(), ui::ArrowButton::RepeatInterval);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spin->text() == "3"; }));
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, Middle());
    EXPECT_FALSE(timer.isActive());
    const QString released = Spin->text();
    QTest::qWait(3 * ui::ArrowButton::RepeatInterval);
    EXPECT_EQ(Spin->text(), released);
}

TEST_F(ArrowButtons, NoRepeatWhileThePointerIsAwayFromTheButton) {
    QTest::mousePress(Up(), Qt::LeftButton, {}, Middle());
    QTest::mouseMove(Up(), QPoint(-30, -30));
    QTest::qWait(ui::ArrowButton::RepeatPause + 3 * ui::ArrowButton::RepeatInterval);
    EXPECT_EQ(Spin->text(), "1");
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(-30, -30));
}

TEST_F(SpinEditTest, FieldThatMayNotBeEditedRefusesTypingButSteps) {
    Spin->SetEditorEnabled(false);
    ClickOn(Spin);
    QTest::keyClicks(Spin, "5");
    EXPECT_EQ(Desktop.Beeps, 1);
    EXPECT_EQ(Spin->text(), "1");
    QTest::keyClick(Spin, Qt::Key_Up);
    EXPECT_EQ(Spin->text(), "2");
}

} // namespace
} // namespace volcalc::test
