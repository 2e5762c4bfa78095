// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"
#include "ui/main_window/main_window.h"

#include <optional>

namespace volcalc::ui {

// The program's windows: the main window and the two dialogs it opens. The dialogs are made when
// one of them is first needed, so that the main window's first paint does not wait for them.
class ProgramWindows {
public:
    explicit ProgramWindows(MainWindowOptions options = {});

    MainWindow& Main() { return m_mainWindow; }

private:
    // Declared before the main window, which points at them: they outlive it.
    std::optional<AboutBox> m_aboutBox;
    std::optional<AddMaterialDialog> m_addMaterialDialog;
    MainWindow m_mainWindow;
};

} // namespace volcalc::ui
