// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/help_launcher.h"

#include "ui/desktop/desktop_services.h"

#include <QFile>
#include <QString>

#include <system_error>
#include <vector>

namespace volcalc::ui {
namespace {

const QString ChmType = QStringLiteral("application/vnd.ms-htmlhelp");

QString Text(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

void OpenHelp(QWidget* owner, const std::filesystem::path& folder) {
    // A stock desktop has no CHM viewer and would hand the file to an archive manager, or to
    // nothing: the pages then open as HTML.
    std::vector<std::filesystem::path> choices;
    if (!Desktop().DefaultApplication(ChmType).isEmpty()) {
        choices.push_back(folder / "TORVA.CHM");
    }
    choices.push_back(folder / "index.html");
    QString refused;
    for (const std::filesystem::path& file : choices) {
        if (!IsFile(file)) {
            continue;
        }
        if (Desktop().ShellOpen(owner, Text(file))) {
            return;
        }
        refused += QStringLiteral("\n") + Text(file);
    }
    // The user is told which file to look at, or which one is missing.
    const QString text =
        refused.isEmpty()
            ? QStringLiteral("The help could not be opened: there is no\n") + Text(choices.back())
            : QStringLiteral("The help could not be opened: the desktop could not open") + refused;
    Desktop().ShowMessage(text, MessageKind::Error, OkButton);
}

} // namespace volcalc::ui
