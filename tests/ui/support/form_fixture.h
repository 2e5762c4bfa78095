// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/scripted_dialogs.h"
#include "scripted_desktop.h"
#include "ui/main_window/main_window.h"
#include "ui/object_names.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace volcalc::test {

// The controls are found by the names the windows give them.
namespace names = volcalc::ui::names;

inline constexpr const char* ThreeMaterials = "[Count]\nCount=3\n[Material]\n0=Steel\n1=Aluminium\n2=Water\n"
                                              "[Density]\n0=7850\n1=2700\n2=1000\n";

// The real main window, shown and active, over a material file of the test's own and with
// every dialog answered by the test.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { StartWith(ThreeMaterials); }
    void TearDown() override { m_form.reset(); }

    // Starts the window anew over a material file holding the given text (none when null).
    void StartWith(const char* catalogue);

    ui::MainWindow& Form() { return *m_form; }
    std::string IniPath() const;
    // The folder of the material file, which also holds the window's help files.
    std::filesystem::path Folder() const;
    std::string IniText() const;

    template <typename Widget = QWidget> Widget* Find(const char* name) {
        auto* widget = m_form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control " << name;
        return widget;
    }
    QString TextOf(const char* name) { return Find<QLineEdit>(name)->text(); }

    // User actions on the named controls.
    void Choose(const char* list, const char* text);
    void Type(const char* field, const char* text);
    void Click(const char* button);
    // Types the texts into the shape's fields, in the order of its parameters.
    void TypeParameters(CalcGroup group, std::string_view shape, std::initializer_list<const char*> texts);

    ScriptedDesktop Desktop;
    ScriptedDialogs Dialogs;
    // Where the window keeps an unsaved list against a crash; none unless a test sets one.
    std::filesystem::path RecoveryFolder;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ui::MainWindow> m_form;
};

} // namespace volcalc::test
