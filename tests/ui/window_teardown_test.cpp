// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows torn down as the program ends, after each state a user can leave them in.
// Under AddressSanitizer a window that outlives what it points at fails here.
#include "form_fixture.h"
#include "program_run.h"
#include "scripted_desktop.h"
#include "user_actions.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace volcalc::test {
namespace {

using Windows = ui::ProgramWindows;

QWidget* Control(QWidget* window, const char* name) {
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

void ShowAboutBox(Windows& windows) {
    AnswerNextDialog([](QDialog& box) { box.reject(); });
    ClickOn(Control(&windows.Main(), names::AboutButton));
}

void AddMaterial(Windows& windows) {
    AnswerNextDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QString::fromLatin1(names::add_material::NameField))->setText("Brass");
        dialog.findChild<QLineEdit*>(QString::fromLatin1(names::add_material::DensityField))->setText("8500");
        QTest::mouseClick(dialog.findChild<QWidget*>(names::add_material::OkButton), Qt::LeftButton);
    });
    ClickOn(Control(&windows.Main(), names::AddMaterialButton));
}

QWidget* OpenPartsList(Windows& windows) {
    ClickOn(Control(&windows.Main(), names::PartsListButton));
    return windows.Main().findChild<QWidget*>(names::parts_list::Window);
}

struct Ending {
    const char* Name;
    std::function<void(Windows&, const QString& iniPath)> Before;
};

const Ending Endings[] = {
    {"Untouched", [](Windows&, const QString&) {}},
    {"AboutBoxShown", [](Windows& windows, const QString&) { ShowAboutBox(windows); }},
    {"MaterialAdded",
     [](Windows& windows, const QString& iniPath) {
         AddMaterial(windows);
         QFile file(iniPath);
         ASSERT_TRUE(file.open(QIODevice::ReadOnly));
         EXPECT_TRUE(file.readAll().contains("Brass"));
     }},
    {"PartsListLeftOpen", [](Windows& windows, const QString&) { OpenPartsList(windows); }},
    {"PartsListClosedFirst",
     [](Windows& windows, const QString&) {
         if (QWidget* list = OpenPartsList(windows)) {
             list->close();
         }
     }},
    {"EverythingOpenedThenExit",
     [](Windows& windows, const QString&) {
         ShowAboutBox(windows);
         AddMaterial(windows);
         OpenPartsList(windows);
         ClickOn(Control(&windows.Main(), names::ExitButton));
     }},
    // The change is still unseen when the windows go.
    {"CatalogueChangedElsewhere",
     [](Windows&, const QString& iniPath) {
         QFile file(iniPath);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("[Count]\nCount=1\n[Material]\n0=Lead\n[Density]\n0=11340\n");
     }},
};

class WindowTeardown : public ::testing::TestWithParam<Ending> {};

TEST_P(WindowTeardown, EndsCleanly) {
    const TemporaryCatalogue catalogue(ThreeMaterials);
    ScriptedDesktop desktop;
    std::unique_ptr<Windows> windows = StartProgramWindows(catalogue.NativePath());
    ASSERT_FALSE(HasFailure());

    GetParam().Before(*windows, catalogue.Path());
    windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.ErrorBoxes.empty());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Endings, WindowTeardown, ::testing::ValuesIn(Endings),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace volcalc::test
