// The module of on_demand.h: printing and JPEG decoding, with the libraries they need.
#include "ui/desktop/jpeg_decoder.h"
#include "ui/desktop/on_demand.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace volcalc::ui {
namespace {

QPrinter* NewPrinter() {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Landscape);
    return printer;
}

void DeletePrinter(QPrinter* printer) {
    delete printer;
}

bool PrintDialog(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDocument(QTextDocument& document, QPrinter& printer, const QString& jobName) {
    printer.setDocName(jobName);
    document.print(&printer);
}

const OnDemandFunctions Functions = {libjpeg::Decode, NewPrinter, DeletePrinter, PrintDialog, PrintDocument};

} // namespace
} // namespace volcalc::ui

extern "C" Q_DECL_EXPORT const volcalc::ui::OnDemandFunctions* volcalc_on_demand_functions() {
    return &volcalc::ui::Functions;
}
