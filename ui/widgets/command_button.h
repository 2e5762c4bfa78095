// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/desktop/handler_guard.h"

#include <QPushButton>
#include <QString>

namespace volcalc::ui {

// A button of a window's button row: found by its object name, read out by its caption without
// the mnemonic and the ellipsis, with what it does as its description, and pressed by Enter
// while it has the focus, as by Space.
QPushButton* MakeCommandButton(QWidget* parent, const char* objectName, const QString& caption,
                               const QString& does);

// The same, a click running the window's handler as RunHandler does.
template <typename Window>
QPushButton* MakeCommandButton(Window* window, const char* objectName, const QString& caption,
                               const QString& does, void (Window::*handler)()) {
    QPushButton* button = MakeCommandButton(static_cast<QWidget*>(window), objectName, caption, does);
    ConnectHandler(button, &QPushButton::clicked, window, handler);
    return button;
}

} // namespace volcalc::ui
