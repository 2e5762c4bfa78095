// SPDX-License-Identifier: GPL-3.0-or-later
// The add-material dialog, driven headless as a user would: typing, clicking, Enter and Esc.
#include "scripted_desktop.h"
#include "ui/desktop/desktop_services.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/object_names.h"
#include "user_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using volcalc::test::ScriptedDesktop;
using volcalc::test::TypeInto;
using volcalc::ui::AddMaterialDialog;
using volcalc::ui::MainWindow;
using volcalc::ui::MainWindowOptions;

namespace {

namespace names = volcalc::ui::names;
namespace addMaterial = volcalc::ui::names::add_material;

struct Handed {
    std::string name;
    std::int32_t density;
};

class AddMaterialDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<AddMaterialDialog>();
        // What OK took, each time it closed the dialog.
        QObject::connect(dialog.get(), &QDialog::accepted, [this] {
            handed.push_back({dialog->Answer()->Name, dialog->Answer()->Density});
        });
        edit1 = dialog->findChild<QLineEdit*>(addMaterial::NameField);
        edit2 = dialog->findChild<QLineEdit*>(addMaterial::DensityField);
        ok = dialog->findChild<QPushButton*>(addMaterial::OkButton);
        cancel = dialog->findChild<QPushButton*>(addMaterial::CancelButton);
        ASSERT_TRUE(edit1 && edit2 && ok && cancel);
    }
    void TearDown() override { dialog.reset(); }

    // Shows the dialog without a modal loop of its own, as the user would find it.
    void Open() {
        edit1->clear();
        edit2->clear();
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    // A key as the keyboard delivers it: to the control that has the focus.
    void Press(int key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }

    ScriptedDesktop desktop;
    std::unique_ptr<AddMaterialDialog> dialog;
    std::vector<Handed> handed;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST_F(AddMaterialDialogTest, LaysOutItsControlsAsDesigned) {
    EXPECT_EQ(dialog->windowTitle(), "Addition of the material list");
    EXPECT_EQ(dialog->size(), QSize(306, 135));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Each text whole, beside or above what it names and clear of every other control; the
    // buttons are pressed, never Enter's default.
    struct Control {
        const char* name;
        const char* text;
    };
    const Control controls[] = {
        {addMaterial::NameLabel, "Material name"},
        {addMaterial::NameField, ""},
        {addMaterial::DensityLabel, "Density (integer number only)"},
        {addMaterial::DensityField, ""},
        {addMaterial::DensityUnitLabel, "kg/m"},
        {addMaterial::DensityUnitPowerLabel, "3"},
        {addMaterial::OkButton, "OK"},
        {addMaterial::CancelButton, "Cancel"},
    };
    std::vector<std::pair<const char*, QRect>> placed;
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = dialog->findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(dialog->rect().contains(widget->geometry()));
        for (const auto& [other, geometry] : placed) {
            EXPECT_FALSE(widget->geometry().intersects(geometry)) << "runs into " << other;
        }
        placed.emplace_back(c.name, widget->geometry());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), c.text);
            EXPECT_GE(label->width(), label->sizeHint().width()) << "cut";
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
            EXPECT_FALSE(button->isDefault());
            EXPECT_FALSE(button->autoDefault());
        }
        EXPECT_EQ(widget->font().pixelSize(), 11);
    }
    EXPECT_LT(dialog->findChild<QWidget*>(addMaterial::NameLabel)->geometry().bottom(), edit1->y());
    EXPECT_LT(dialog->findChild<QWidget*>(addMaterial::DensityLabel)->geometry().bottom(), edit2->y());
}

TEST_F(AddMaterialDialogTest, OkHandsOverTheNameAsTypedAndTheTruncatedDensity) {
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
        {"Big", "2147483647.9", "Big", 2147483647},
        {"Small", "-2147483648", "Small", -2147483647 - 1},
        {"Spaced", " 12 ", "Spaced", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.density.toStdString());
        handed.clear();
        Open();
        TypeInto(edit1, c.name);
        TypeInto(edit2, c.density);
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        ASSERT_EQ(handed.size(), 1u);
        EXPECT_EQ(handed[0].name, c.expectedName);
        EXPECT_EQ(handed[0].density, c.expectedDensity);
        EXPECT_TRUE(desktop.ErrorBoxes.empty());
    }
}

// An unreadable density is an error, a missing name a warning that puts the cursor in the name;
// either way the dialog stays open with what was typed.
TEST_F(AddMaterialDialogTest, RefusedInputIsReportedAndTheDialogStaysOpen) {
    struct Case {
        QString name;
        QString density;
        QString message;
        bool error;
    };
    const Case cases[] = {
        {"Granite", "abc", "'abc' is not a valid floating point value.", true},
        {"Granite", "", "'' is not a valid floating point value.", true},
        {"Granite", "12a", "'12a' is not a valid floating point value.", true},
        {"Granite", "3000000000", "'3000000000' is not a valid integer value.", true},
        {"Granite", "-2147483649", "'-2147483649' is not a valid integer value.", true},
        {"Granite", "1e10", "'1e10' is not a valid integer value.", true},
        {"", "1000", "The material needs a name.", false},
        {"   ", "1000", "The material needs a name.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.name + "/" + c.density).toStdString());
        desktop.ErrorBoxes.clear();
        desktop.Messages.clear();
        Open();
        TypeInto(edit1, c.name);
        TypeInto(edit2, c.density);
        QTest::mouseClick(ok, Qt::LeftButton);
        if (c.error) {
            EXPECT_EQ(desktop.ErrorBoxes, std::vector<QString>{c.message});
            EXPECT_TRUE(desktop.Messages.empty());
        } else {
            ASSERT_EQ(desktop.Messages.size(), 1u);
            EXPECT_EQ(desktop.Messages[0].Text, c.message);
            EXPECT_EQ(desktop.Messages[0].Type, volcalc::ui::MessageKind::Warning);
            EXPECT_TRUE(desktop.ErrorBoxes.empty());
            EXPECT_EQ(QApplication::focusWidget(), edit1);
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(handed.empty());
        EXPECT_EQ(edit1->text(), c.name);
        EXPECT_EQ(edit2->text(), c.density);
        dialog->reject();
    }
}

// Only a button closes the dialog with what it holds, by the mouse or by Enter on it; Enter in a
// field and Esc anywhere leave it open.
TEST_F(AddMaterialDialogTest, OnlyOkHandsOverAndOnlyAButtonOrTheCloseButtonCloses) {
    struct Case {
        const char* what;
        std::function<void()> act;
        bool closes;
        bool handsOver;
    };
    // Each control in turn takes the focus and gets the keys.
    const auto pressing = [this](std::vector<QWidget*> controls, std::vector<Qt::Key> keys) {
        return [this, controls, keys] {
            for (QWidget* control : controls) {
                control->setFocus();
                for (Qt::Key key : keys) {
                    Press(key);
                }
            }
        };
    };
    const Case cases[] = {
        {"Cancel clicked", [this] { QTest::mouseClick(cancel, Qt::LeftButton); }, true, false},
        {"the title-bar close button", [this] { dialog->close(); }, true, false},
        {"Enter on OK", pressing({ok}, {Qt::Key_Return}), true, true},
        {"Enter on Cancel", pressing({cancel}, {Qt::Key_Enter}), true, false},
        {"Enter in the fields", pressing({edit1, edit2}, {Qt::Key_Return, Qt::Key_Enter}), false, false},
        {"Esc anywhere", pressing({edit1, edit2, ok, cancel}, {Qt::Key_Escape}), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        handed.clear();
        Open();
        TypeInto(edit1, "Brass");
        TypeInto(edit2, "8500");
        c.act();
        EXPECT_EQ(dialog->isVisible(), !c.closes);
        if (c.closes) {
            EXPECT_EQ(dialog->result(), c.handsOver ? QDialog::Accepted : QDialog::Rejected);
        }
        EXPECT_EQ(handed.size(), c.handsOver ? 1u : 0u);
        EXPECT_TRUE(desktop.ErrorBoxes.empty());
        dialog->reject();
    }
}

TEST_F(AddMaterialDialogTest, FocusStartsOnOkFollowsTheTabOrderAndIsRemembered) {
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

// Both dialogs open centred on the screen, until the user moves one: then it reopens where it
// was left, however it was closed.
TEST(Dialogs, AreCentredFirstAndThenReopenWhereTheyWereLeft) {
    ScriptedDesktop desktop;
    volcalc::ui::AboutBox about;
    AddMaterialDialog addMaterial;
    for (QDialog* dialog : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&addMaterial)}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred(screen.left() + (screen.width() - dialog->width()) / 2,
                             screen.top() + (screen.height() - dialog->height()) / 2);
        for (int shown = 0; shown < 2; ++shown) {
            dialog->open();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            EXPECT_EQ(dialog->pos(), centred);
            dialog->close();
        }
        dialog->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        // The user drags it: the window system moves it, not the program.
        dialog->windowHandle()->setPosition(40, 70);
        QCoreApplication::processEvents();
        ASSERT_EQ(dialog->geometry().topLeft(), QPoint(40, 70));
        dialog->accept();
        dialog->open();
        EXPECT_EQ(dialog->geometry().topLeft(), QPoint(40, 70));
        dialog->close();
    }
}

TEST_F(AddMaterialDialogTest, AskStartsEmptyAndAnswersWhatOkTook) {
    // Act inside the dialog's own modal loop, as a user would, then read the result.
    auto runModal = [this](const QString& name, const QString& density, QPushButton* button) {
        std::optional<std::pair<QString, QString>> seen;
        QTimer::singleShot(0, dialog.get(), [&] {
            if (!QTest::qWaitForWindowActive(dialog.get())) {
                dialog->reject();
                return;
            }
            seen = {edit1->text(), edit2->text()};
            TypeInto(edit1, name);
            TypeInto(edit2, density);
            QTest::mouseClick(button, Qt::LeftButton);
            if (dialog->isVisible()) {
                dialog->reject(); // never leave the loop hanging
            }
        });
        const std::optional<volcalc::Material> result = dialog->Ask();
        return std::make_pair(result, seen);
    };

    auto [first, firstSeen] = runModal("Copper", "8960", cancel);
    EXPECT_FALSE(first.has_value());
    EXPECT_TRUE(handed.empty());

    auto [second, secondSeen] = runModal("Nickel", "8900", ok);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->Name, "Nickel");
    EXPECT_EQ(second->Density, 8900);
    ASSERT_TRUE(secondSeen.has_value());
    EXPECT_EQ(secondSeen->first, ""); // what was typed before Cancel is gone
    EXPECT_EQ(secondSeen->second, "");
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name, "Nickel");
    EXPECT_EQ(handed[0].density, 8900);
}

TEST_F(AddMaterialDialogTest, TakesAVeryLongNameWhole) {
    Open();
    const QString name(40000, QChar('w'));
    edit1->setText(name);
    TypeInto(edit2, "1");
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name.size(), 40000u);
}

// The add-material dialog in the program: the main window's add button shows it, OK adds the
// material to the file, and a restart reads back what was written.
class MaterialsThroughTheWindows : public ::testing::Test {
protected:
    void SetUp() override {
        form2 = std::make_unique<AddMaterialDialog>();
        Start();
    }
    void TearDown() override {
        form1.reset();
        form2.reset();
    }

    // Starts the main window anew over the same material file, as a restart of the program does.
    void Start() {
        form1.reset();
        const std::string ini = QFile::encodeName(folder.filePath("volcalc.ini")).toStdString();
        form1 = std::make_unique<MainWindow>(MainWindowOptions{ini, nullptr});
        form1->SetAddMaterialDialog(form2.get());
        form1->show();
        QApplication::setActiveWindow(form1.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }

    // Presses the add button and, inside the dialog it opens, types the two fields and presses
    // the button named; a dialog still open afterwards is cancelled.
    void Add(const QString& name, const QString& density, const char* button = addMaterial::OkButton) {
        QTimer::singleShot(0, form2.get(), [&] {
            if (QTest::qWaitForWindowActive(form2.get())) {
                TypeInto(form2->findChild<QWidget*>(addMaterial::NameField), name);
                TypeInto(form2->findChild<QWidget*>(addMaterial::DensityField), density);
                QTest::mouseClick(form2->findChild<QWidget*>(button), Qt::LeftButton);
            }
            if (form2->isVisible()) {
                form2->reject();
            }
        });
        volcalc::test::ClickOn(Control(names::AddMaterialButton));
    }

    QWidget* Control(const char* name) {
        auto* widget = form1->findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QStringList Materials() {
        auto* list = form1->findChild<QComboBox*>(names::MaterialList);
        QStringList names;
        for (int i = 0; list != nullptr && i < list->count(); ++i) {
            names << list->itemText(i);
        }
        return names;
    }

    QString Density() { return form1->findChild<QLineEdit*>(names::DensityField)->text(); }

    QTemporaryDir folder;
    ScriptedDesktop desktop;
    std::unique_ptr<AddMaterialDialog> form2;
    std::unique_ptr<MainWindow> form1;
};

TEST_F(MaterialsThroughTheWindows, AddedAndRemovedMaterialsReadBackAfterARestart) {
    ASSERT_EQ(Materials(), QStringList());
    Add("Steel", "7850,9");
    Add("Oak", "700");
    Add("Granite", "2600.5");
    Add("Cork", "abc");                              // refused: the error box, and Cancel afterwards
    Add("Lead", "11340", addMaterial::CancelButton); // cancelled
    EXPECT_EQ(Materials(), QStringList({"Steel", "Oak", "Granite"}));
    ASSERT_EQ(desktop.ErrorBoxes.size(), 1u);
    EXPECT_EQ(desktop.ErrorBoxes[0], "'abc' is not a valid floating point value.");

    volcalc::test::Choose(form1->findChild<QComboBox*>(names::MaterialList), "Oak");
    EXPECT_EQ(Density(), "700");
    desktop.Answers.push_back(volcalc::ui::YesButton);
    volcalc::test::ClickOn(Control(names::RemoveMaterialButton));
    EXPECT_EQ(Materials(), QStringList({"Steel", "Granite"}));

    Start();
    EXPECT_EQ(Materials(), QStringList({"Steel", "Granite"}));
    EXPECT_EQ(Density(), "7850");
    volcalc::test::Choose(form1->findChild<QComboBox*>(names::MaterialList), "Granite");
    EXPECT_EQ(Density(), "2600");
}

} // namespace
