// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/report_output.h"

#include "calc/file_writer.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/on_demand.h"
#include "ui/desktop/save_file_dialog.h"

#include <QFile>

#include <filesystem>
#include <memory>

namespace volcalc::ui {

void ExportText(QWidget* owner, const QString& caption, const QString& fileName, const QString& what,
                const std::function<std::string()>& text) {
    const QString file =
        ChooseFileToSave(owner, caption, fileName, QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (file.isEmpty()) {
        return;
    }
    PosixFileWriter writer;
    if (!ReplaceFile(writer, std::filesystem::path(QFile::encodeName(file).toStdString()), text())) {
        Desktop().ShowMessage(QStringLiteral("The %1 could not be written to %2.").arg(what, file),
                              MessageKind::Error, OkButton);
    }
}

void PrintThroughDialog(QWidget* owner, const QString& what,
                        const std::function<void(const OnDemandFunctions&, QPrinter&)>& print) {
    const OnDemandFunctions* module = OnDemand();
    if (!module) {
        Desktop().ShowMessage(QStringLiteral("The %1 cannot be printed: %2.").arg(what, OnDemandProblem()),
                              MessageKind::Error, OkButton);
        return;
    }
    const std::unique_ptr<QPrinter, void (*)(QPrinter*)> printer(module->NewPrinter(), module->DeletePrinter);
    if (Desktop().ChoosePrinter(owner, *printer)) {
        print(*module, *printer);
    }
}

} // namespace volcalc::ui
