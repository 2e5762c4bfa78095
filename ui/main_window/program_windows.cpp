// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/program_windows.h"

#include <utility>

namespace volcalc::ui {

ProgramWindows::ProgramWindows(MainWindowOptions options) : m_mainWindow(std::move(options)) {
    m_mainWindow.MakeDialogsOnFirstUse([this] {
        m_mainWindow.SetAboutBox(&m_aboutBox.emplace());
        m_mainWindow.SetAddMaterialDialog(&m_addMaterialDialog.emplace());
    });
}

} // namespace volcalc::ui
