// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace volcalc::ui {

enum class MessageKind { Warning, Error, Confirmation };

// Buttons of the message dialog routine; shown left to right in this order.
enum MessageButton : unsigned {
    YesButton = 1,
    NoButton = 2,
    OkButton = 4,
    CancelButton = 8,
    SaveButton = 16,
    DiscardButton = 32
};
using MessageButtons = unsigned;

// Everything a handler needs from the desktop. The application uses the real one; tests
// script the answers and read what was asked.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // The program's message dialog: caption and icon from the type, centred on the screen.
    // Returns the button pressed (Esc and the close button give Cancel, else No, else OK).
    virtual MessageButton ShowMessage(const QString& text, MessageKind type, MessageButtons buttons) = 0;
    // The application's default error box: application title as caption, stop icon, one OK.
    // The text already carries its appended period.
    virtual void ShowErrorBox(const QString& text) = 0;
    // The system's default beep.
    virtual void Beep() = 0;
    // The shell's open operation (a file, or an address such as "mailto:..."): false when the
    // desktop could not hand the target to any application, its opener missing or refusing.
    virtual bool ShellOpen(QWidget* owner, const QString& target) = 0;
    // The desktop file of the application that opens files of the MIME type by default
    // ("xchm.desktop"), or empty when the desktop has none.
    virtual QString DefaultApplication(const QString& mimeType) = 0;
    // The desktop's save dialog, showing `suggestedName` (a path) at first; an empty text when the
    // user cancelled. Callers start it through ChooseFileToSave (file_dialog_folder.h).
    virtual QString SaveFileName(QWidget* owner, const QString& caption, const QString& suggestedName,
                                 const QString& filter) = 0;
    // The desktop's open dialog, starting in `folder`; an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* owner, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // The desktop's print dialog, which also offers printing into a PDF file: sets up the printer,
    // or returns false when the user cancelled.
    virtual bool ChoosePrinter(QWidget* owner, QPrinter& printer) = 0;
};

// The services in use: the real ones unless a test installed others.
DesktopServices& Desktop();
void SetDesktop(DesktopServices* services); // nullptr restores the real ones

} // namespace volcalc::ui
