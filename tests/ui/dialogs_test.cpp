// The add-material dialog, driven headless as a user would: typing, clicking, Enter and Esc.
#include "ui/Unit2.h"
#include "ui/desktop_services.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using volcalc::ui::DesktopServices;
using volcalc::ui::MsgDlgButton;
using volcalc::ui::MsgDlgButtons;
using volcalc::ui::MsgDlgType;
using volcalc::ui::TForm2;

namespace {

// One QApplication for the whole test program, made by whichever test file gets there first.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "dialog_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class RecordingDesktop : public DesktopServices {
public:
    MsgDlgButton MessageDlg(const QString& text, MsgDlgType, MsgDlgButtons) override {
        messages.push_back(text);
        return volcalc::ui::mbOK;
    }
    void ShowErrorBox(const QString& text) override { errors.push_back(text); }
    void Beep() override {}
    void ShellOpen(QWidget*, const QString&, const QString& target) override { shell.push_back(target); }

    std::vector<QString> messages;
    std::vector<QString> errors;
    std::vector<QString> shell;
};

struct Handed {
    std::string name;
    std::int32_t density;
};

class AddMaterialDialog : public ::testing::Test {
protected:
    void SetUp() override {
        volcalc::ui::SetDesktop(&desktop);
        dialog = std::make_unique<TForm2>();
        dialog->SetReceiver([this](const std::string& name, std::int32_t density) {
            handed.push_back({name, density});
        });
        edit1 = dialog->findChild<QLineEdit*>("Edit1");
        edit2 = dialog->findChild<QLineEdit*>("Edit2");
        ok = dialog->findChild<QPushButton*>("BitBtn1");
        cancel = dialog->findChild<QPushButton*>("BitBtn2");
        ASSERT_TRUE(edit1 && edit2 && ok && cancel);
    }
    void TearDown() override {
        dialog.reset();
        volcalc::ui::SetDesktop(nullptr);
    }

    // Shows the dialog without a modal loop of its own, as the user would find it.
    void Open() {
        edit1->clear();
        edit2->clear();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    // Types into the field the user clicked.
    void Type(QLineEdit* edit, const QString& text) {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, text);
    }

    // A key as the keyboard delivers it: to the control that has the focus.
    void Press(int key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }

    RecordingDesktop desktop;
    std::unique_ptr<TForm2> dialog;
    std::vector<Handed> handed;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST_F(AddMaterialDialog, LaysOutItsControlsAsDesigned) {
    EXPECT_EQ(dialog->windowTitle(), "Addition of the material list");
    EXPECT_EQ(dialog->size(), QSize(306, 135));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));

    struct Control {
        const char* name;
        QRect geometry;
        const char* text;
    };
    const Control controls[] = {
        {"Label1", {16, 16, 66, 13}, "Material name"},
        {"Edit1", {16, 35, 160, 21}, ""},
        {"Label2", {16, 72, 136, 13}, "Density (integer number only)"},
        {"Edit2", {16, 91, 65, 21}, ""},
        {"Label15", {88, 94, 25, 13}, "kg/m"},
        {"Label18", {113, 88, 6, 13}, "3"},
        {"BitBtn1", {224, 35, 75, 25}, "OK"},
        {"BitBtn2", {224, 72, 75, 25}, "Cancel"},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = dialog->findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), c.geometry.topLeft());
        EXPECT_EQ(widget->height(), c.geometry.height());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), c.text);
            // A label may grow to its text but never cuts it.
            EXPECT_GE(label->width(), c.geometry.width());
            EXPECT_GE(label->width(), label->sizeHint().width());
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        } else {
            EXPECT_EQ(widget->width(), c.geometry.width());
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
            EXPECT_FALSE(button->isDefault());
            EXPECT_FALSE(button->autoDefault());
        }
        EXPECT_EQ(widget->font().pixelSize(), 11);
    }
}

TEST_F(AddMaterialDialog, OkHandsOverTheNameAsTypedAndTheTruncatedDensity) {
    struct Case {
        QString name;
        QString density;
        std::string expectedName;
        std::int32_t expectedDensity;
    };
    const Case cases[] = {
        {"Steel", "7850.9", "Steel", 7850},
        {"Steel", "7850,9", "Steel", 7850},
        {"Foam", "-3.7", "Foam", -3},
        {"  Cast iron  ", "7200", "  Cast iron  ", 7200},
        {"", "1000", "", 1000},
        {"Big", "2147483647.9", "Big", 2147483647},
        {"Small", "-2147483648", "Small", -2147483647 - 1},
        {"Spaced", " 12 ", "Spaced", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.density.toStdString());
        handed.clear();
        Open();
        Type(edit1, c.name);
        Type(edit2, c.density);
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        ASSERT_EQ(handed.size(), 1u);
        EXPECT_EQ(handed[0].name, c.expectedName);
        EXPECT_EQ(handed[0].density, c.expectedDensity);
        EXPECT_TRUE(desktop.errors.empty());
    }
}

TEST_F(AddMaterialDialog, UnreadableDensityShowsTheErrorAndKeepsTheDialogOpen) {
    struct Case {
        QString density;
        QString message;
    };
    const Case cases[] = {
        {"abc", "'abc' is not a valid floating point value."},
        {"", "'' is not a valid floating point value."},
        {"12a", "'12a' is not a valid floating point value."},
        {"3000000000", "'3000000000' is not a valid integer value."},
        {"-2147483649", "'-2147483649' is not a valid integer value."},
        {"1e10", "'1e10' is not a valid integer value."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.density.toStdString());
        desktop.errors.clear();
        Open();
        Type(edit1, "Granite");
        Type(edit2, c.density);
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_EQ(desktop.errors.size(), 1u);
        EXPECT_EQ(desktop.errors[0], c.message);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(handed.empty());
        EXPECT_EQ(edit1->text(), "Granite");
        EXPECT_EQ(edit2->text(), c.density);
        dialog->reject();
    }
}

TEST_F(AddMaterialDialog, CorrectingTheDensityAfterAnErrorHandsOverOnce) {
    Open();
    Type(edit1, "Oak");
    Type(edit2, "7x0");
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_TRUE(dialog->isVisible());
    edit2->clear();
    Type(edit2, "700");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name, "Oak");
    EXPECT_EQ(handed[0].density, 700);
}

TEST_F(AddMaterialDialog, CancelAndTheCloseButtonHandOverNothing) {
    Open();
    Type(edit1, "Lead");
    Type(edit2, "11340");
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    Open();
    Type(edit1, "Tin");
    Type(edit2, "7300");
    dialog->close(); // the title-bar close button
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(handed.empty());
}

TEST_F(AddMaterialDialog, EnterInTheFieldsAndEscAnywhereDoNotClose) {
    Open();
    Type(edit1, "Zinc");
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter);
    Press(Qt::Key_Escape);
    Type(edit2, "7140");
    Press(Qt::Key_Return);
    Press(Qt::Key_Escape);
    ok->setFocus();
    Press(Qt::Key_Escape);
    cancel->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(handed.empty());
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(AddMaterialDialog, EnterPressesTheButtonThatHasTheFocus) {
    Open();
    Type(edit1, "Brass");
    Type(edit2, "8500");
    ok->setFocus();
    Press(Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].density, 8500);

    Open();
    Type(edit1, "Bronze");
    Type(edit2, "8800");
    cancel->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(handed.size(), 1u);
}

TEST_F(AddMaterialDialog, FocusStartsOnOkFollowsTheTabOrderAndIsRemembered) {
    Open();
    EXPECT_EQ(QApplication::focusWidget(), ok);
    const QWidget* order[] = {cancel, edit1, edit2, ok};
    for (const QWidget* expected : order) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), edit2);
    dialog->close();

    Open();
    EXPECT_EQ(QApplication::focusWidget(), edit2);
    dialog->close();
}

TEST_F(AddMaterialDialog, IsCentredFirstAndThenReopensWhereItWasLeft) {
    Open();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog->pos(),
              QPoint(screen.left() + (screen.width() - 306) / 2, screen.top() + (screen.height() - 135) / 2));
    dialog->move(40, 70); // the user drags it
    dialog->close();
    Open();
    EXPECT_EQ(dialog->pos(), QPoint(40, 70));
    dialog->close();
}

TEST_F(AddMaterialDialog, ShowModalEmptiedStartsEmptyAndReportsHowItClosed) {
    // Act inside the dialog's own modal loop, as a user would, then read the result.
    auto runModal = [this](const QString& name, const QString& density, QPushButton* button) {
        std::optional<std::pair<QString, QString>> seen;
        QTimer::singleShot(0, dialog.get(), [&] {
            if (!QTest::qWaitForWindowActive(dialog.get())) {
                dialog->reject();
                return;
            }
            seen = {edit1->text(), edit2->text()};
            Type(edit1, name);
            Type(edit2, density);
            QTest::mouseClick(button, Qt::LeftButton);
            if (dialog->isVisible()) {
                dialog->reject(); // never leave the loop hanging
            }
        });
        const int result = dialog->ShowModalEmptied();
        return std::make_pair(result, seen);
    };

    auto [first, firstSeen] = runModal("Copper", "8960", cancel);
    EXPECT_EQ(first, QDialog::Rejected);
    EXPECT_TRUE(handed.empty());

    auto [second, secondSeen] = runModal("Nickel", "8900", ok);
    EXPECT_EQ(second, QDialog::Accepted);
    ASSERT_TRUE(secondSeen.has_value());
    EXPECT_EQ(secondSeen->first, ""); // what was typed before Cancel is gone
    EXPECT_EQ(secondSeen->second, "");
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name, "Nickel");
    EXPECT_EQ(handed[0].density, 8900);
}

TEST_F(AddMaterialDialog, TakesAVeryLongNameWhole) {
    Open();
    const QString name(40000, QChar('w'));
    edit1->setText(name);
    Type(edit2, "1");
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name.size(), 40000u);
}

} // namespace
