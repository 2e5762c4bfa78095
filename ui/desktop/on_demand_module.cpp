// SPDX-License-Identifier: GPL-3.0-or-later
// The module of on_demand.h: printing, JPEG decoding and cutting plans, with the libraries they need.
#include "ui/desktop/jpeg_decoder.h"
#include "ui/desktop/on_demand.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

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

// The margins of a printed page, in the document's units (1/96 inch, scaled to the printer by
// the layout): 2 cm all round, the page number in the bottom one.
constexpr double PageMargin = 2 / 2.54 * 96;

double PageTextWidth(QPrinter& printer) {
    return printer.width() * 96.0 / printer.logicalDpiX() - 2 * PageMargin;
}

// Laid out as QTextDocument::print lays it out, but numbered "Page 1 of 3": the reader of a
// loose page knows whether one is missing.
void PrintDocument(QTextDocument& document, QPrinter& printer, const QString& jobName) {
    printer.setDocName(jobName);
    QPainter painter(&printer);
    if (!painter.isActive()) {
        return;
    }
    const std::unique_ptr<QTextDocument> pages(document.clone());
    QAbstractTextDocumentLayout* layout = pages->documentLayout();
    layout->setPaintDevice(&printer);
    QTextFrameFormat frame = pages->rootFrame()->frameFormat();
    frame.setMargin(PageMargin);
    pages->rootFrame()->setFrameFormat(frame);
    const QSizeF page(printer.width(), printer.height());
    pages->setPageSize(page);
    const int count = pages->pageCount();
    const double margin = PageMargin * printer.logicalDpiY() / 96.0;
    painter.setFont(pages->defaultFont());
    for (int index = 0; index < count; ++index) {
        if (index > 0) {
            printer.newPage();
        }
        const QRectF view(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();
        painter.drawText(QRectF(margin, page.height() - margin, page.width() - 2 * margin, margin / 2),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(index + 1).arg(count));
    }
}

std::vector<cutting::GroupOrder> PlanOrder(std::span<const cutting::OrderItem> items,
                                           const cutting::OrderSettings& settings,
                                           cutting::PlanControl& control) {
    return cutting::PlanOrder(items, settings, control);
}

const OnDemandFunctions Functions = {libjpeg::Decode, NewPrinter,    DeletePrinter, PrintDialog,
                                     PageTextWidth,   PrintDocument, PlanOrder};

} // namespace
} // namespace volcalc::ui

extern "C" Q_DECL_EXPORT const volcalc::ui::OnDemandFunctions* volcalc_on_demand_functions() {
    return &volcalc::ui::Functions;
}
