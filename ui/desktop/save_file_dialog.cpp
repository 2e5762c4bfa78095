// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/save_file_dialog.h"

#include "ui/desktop/desktop_services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace volcalc::ui {
namespace {

QString& LastSaveFolder() {
    static QString folder;
    return folder;
}

// A folder removed since, or a documents folder the desktop names but never made, is passed over.
QString StartFolder() {
    if (const QString& last = LastSaveFolder(); !last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

} // namespace

QString ChooseFileToSave(QWidget* owner, const QString& caption, const QString& fileName,
                         const QString& filter) {
    const QString chosen =
        Desktop().SaveFileName(owner, caption, QDir(StartFolder()).filePath(fileName), filter);
    if (!chosen.isEmpty()) {
        LastSaveFolder() = QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

void ForgetLastSaveFolder() {
    LastSaveFolder().clear();
}

} // namespace volcalc::ui
