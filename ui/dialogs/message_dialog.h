// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/desktop/desktop_services.h"

#include <QMessageBox>

#include <memory>
#include <utility>
#include <vector>

namespace volcalc::ui {

// The program's message dialog before it is run: caption and icon from the type, the buttons
// left to right in the order "&Yes", "&No", "&Save", "&Discard", "OK", "Cancel".
struct MessageDialog {
    std::unique_ptr<QMessageBox> Box;
    std::vector<std::pair<QAbstractButton*, MessageButton>> Buttons; // left to right

    // The answer for the button that closed the box; Cancel when none did.
    MessageButton Answer(const QAbstractButton* clicked) const;
};

MessageDialog BuildMessageDialog(const QString& text, MessageKind type, MessageButtons buttons);

// The application's default error box: the application title as caption, stop icon, one OK.
std::unique_ptr<QMessageBox> BuildErrorBox(const QString& text);

} // namespace volcalc::ui
