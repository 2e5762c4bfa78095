// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace volcalc::ui {

// The desktop's save dialog (through DesktopServices), offering `fileName` in the folder of the
// file chosen last in this session, or, before any was chosen, in the user's documents folder
// (the home folder where there is none): never in whatever folder the program was started from.
// Returns the path chosen, or an empty text when the user cancelled.
QString ChooseFileToSave(QWidget* owner, const QString& caption, const QString& fileName,
                         const QString& filter);

// Forgets the folder chosen last, as at start.
void ForgetLastSaveFolder();

} // namespace volcalc::ui
