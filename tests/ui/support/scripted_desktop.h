// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt_printers.h"
#include "ui/desktop/desktop_services.h"

#include <QPrinter>
#include <QString>

#include <deque>
#include <map>
#include <vector>

namespace volcalc::test {

// Stands in for the desktop while it lives: answers message dialogs from a script and records
// every dialog, error box, beep and shell request.
class ScriptedDesktop : public ui::DesktopServices {
public:
    struct Message {
        QString Text;
        ui::MessageKind Type;
        ui::MessageButtons Buttons;
    };
    struct ShellRequest {
        QString Target;
    };

    ScriptedDesktop() { ui::SetDesktop(this); }
    ~ScriptedDesktop() override { ui::SetDesktop(nullptr); }
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    // Answers given in turn; OK once they run out.
    std::deque<ui::MessageButton> Answers;
    std::vector<Message> Messages;
    std::vector<QString> ErrorBoxes;
    std::vector<ShellRequest> ShellRequests;
    // Whether the shell opens each request, in turn; it does once they run out.
    std::deque<bool> ShellAnswers;
    // The desktop's default application of a MIME type; none for a type not listed.
    std::map<QString, QString> DefaultApplications;
    int Beeps = 0;
    // The save dialog answers with this name (empty: cancelled) and records its caption and the
    // path it offered at first.
    QString NextSaveFileName;
    std::vector<QString> SaveDialogs;
    std::vector<QString> SaveDialogOffers;
    // The open dialog answers with this name (empty: cancelled) and records its caption.
    QString NextOpenFileName;
    std::vector<QString> OpenDialogs;
    // The print dialog answers by printing into this PDF file (empty: cancelled).
    QString NextPdfFile;
    int PrintDialogs = 0;

    ui::MessageButton ShowMessage(const QString& text, ui::MessageKind type,
                                  ui::MessageButtons buttons) override {
        Messages.push_back({text, type, buttons});
        if (Answers.empty()) {
            return ui::OkButton;
        }
        const ui::MessageButton answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowErrorBox(const QString& text) override { ErrorBoxes.push_back(text); }
    void Beep() override { ++Beeps; }
    bool ShellOpen(QWidget*, const QString& target) override {
        ShellRequests.push_back({target});
        if (ShellAnswers.empty()) {
            return true;
        }
        const bool opened = ShellAnswers.front();
        ShellAnswers.pop_front();
        return opened;
    }
    QString DefaultApplication(const QString& mimeType) override {
        const auto found = DefaultApplications.find(mimeType);
        return found == DefaultApplications.end() ? QString() : found->second;
    }
    QString SaveFileName(QWidget*, const QString& caption, const QString& suggestedName,
                         const QString&) override {
        SaveDialogs.push_back(caption);
        SaveDialogOffers.push_back(suggestedName);
        return NextSaveFileName;
    }
    QString OpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override {
        OpenDialogs.push_back(caption);
        return NextOpenFileName;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override {
        ++PrintDialogs;
        if (NextPdfFile.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(NextPdfFile);
        return true;
    }
};

} // namespace volcalc::test
