// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/desktop_services.h"

#include "ui/desktop/on_demand.h"
#include "ui/dialogs/message_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>

namespace volcalc::ui {
namespace {

// Most desktops' openers hand the target to its application and end at once; the plain xdg-open
// runs some applications in its own place and ends with them. An opener still running after this
// long has found its application.
constexpr int OpenerPatienceMs = 2000;

class RealDesktopServices : public DesktopServices {
public:
    MessageButton ShowMessage(const QString& text, MessageKind type, MessageButtons buttons) override {
        MessageDialog dialog = BuildMessageDialog(text, type, buttons);
        dialog.Box->exec();
        return dialog.Answer(dialog.Box->clickedButton());
    }

    void ShowErrorBox(const QString& text) override { BuildErrorBox(text)->exec(); }

    void Beep() override { QApplication::beep(); }

    // The desktop's opener, waited for: it tells by its exit status whether an application took
    // the target, which the bare start of a detached opener cannot tell.
    bool ShellOpen(QWidget*, const QString& target) override {
        // Not parented: a QProcess destroyed while its program runs kills it, and an application
        // running in the opener's place outlives the window that asked for it.
        auto* opener = new QProcess;
        opener->setProcessChannelMode(QProcess::ForwardedChannels);
        opener->setStandardInputFile(QProcess::nullDevice());
        opener->start(QStringLiteral("xdg-open"), {target});
        if (!opener->waitForStarted()) {
            delete opener;
            return false;
        }
        if (!opener->waitForFinished(OpenerPatienceMs)) {
            QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
            return true;
        }
        const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
        delete opener;
        return opened;
    }

    // What the desktop's own tools answer; no answer within a few seconds is none.
    QString DefaultApplication(const QString& mimeType) override {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
            query.exitCode() != 0) {
            query.kill();
            query.waitForFinished(1000);
            return {};
        }
        return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    }

    QString SaveFileName(QWidget* owner, const QString& caption, const QString& suggestedName,
                         const QString& filter) override {
        return QFileDialog::getSaveFileName(owner, caption, suggestedName, filter);
    }

    QString OpenFileName(QWidget* owner, const QString& caption, const QString& folder,
                         const QString& filter) override {
        return QFileDialog::getOpenFileName(owner, caption, folder, filter);
    }

    bool ChoosePrinter(QWidget* owner, QPrinter& printer) override {
        const OnDemandFunctions* module = OnDemand();
        return module && module->PrintDialog(owner, printer);
    }
};

DesktopServices* installed = nullptr;

} // namespace

DesktopServices& Desktop() {
    static RealDesktopServices real;
    return installed ? *installed : real;
}

void SetDesktop(DesktopServices* services) {
    installed = services;
}

} // namespace volcalc::ui
