#include "ui/desktop/desktop_services.h"

#include "ui/desktop/on_demand.h"
#include "ui/dialogs/message_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace volcalc::ui {
namespace {

// A target that starts with a scheme ("mailto:", "http:") is an address; anything else a file.
QUrl TargetUrl(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch()) {
        return QUrl(target, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(target);
}

class RealDesktopServices : public DesktopServices {
public:
    MessageButton ShowMessage(const QString& text, MessageKind type, MessageButtons buttons) override {
        MessageDialog dialog = BuildMessageDialog(text, type, buttons);
        dialog.Box->exec();
        return dialog.Answer(dialog.Box->clickedButton());
    }

    void ShowErrorBox(const QString& text) override { BuildErrorBox(text)->exec(); }

    void Beep() override { QApplication::beep(); }

    bool ShellOpen(QWidget*, const QString& target) override {
        return QDesktopServices::openUrl(TargetUrl(target));
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
