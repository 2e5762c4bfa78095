// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_pages.h"

#include "ui/parts_list/printed_document.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <cmath>

namespace volcalc::ui {
namespace {

// The diagrams go to the printer as pictures this many times finer than the screen's pixels:
// about 300 dots per inch, as fine as the printer shows the text beside them.
constexpr int Fineness = 3;

QImage DiagramPicture(const BarDiagramLayout& layout, const QFont& font) {
    const QSize size(static_cast<int>(std::ceil(layout.Bar.width() + 2)) * Fineness,
                     static_cast<int>(std::ceil(layout.Height)) * Fineness);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(Fineness, Fineness);
    painter.translate(1, 0);
    PaintBarDiagram(painter, layout, font);
    return picture;
}

void InsertDiagrams(QTextCursor& cursor, const std::vector<DiagramGroup>& diagrams, double textWidth) {
    QTextDocument& document = *cursor.document();
    const QFont font = DiagramFont(QApplication::font());
    const double barWidth = std::max(1.0, textWidth - 2);
    int count = 0;
    for (const DiagramGroup& group : diagrams) {
        // The first group opens the diagrams' page.
        QTextBlockFormat title;
        title.setPageBreakPolicy(count == 0 ? QTextFormat::PageBreak_AlwaysBefore
                                            : QTextFormat::PageBreak_Auto);
        title.setTopMargin(count == 0 ? 0 : 12);
        cursor.insertBlock(title);
        QTextCharFormat heading = Bold(QTextCharFormat());
        heading.setFontPointSize(12);
        cursor.insertText(group.Title, heading);
        for (const DiagramBar& bar : group.Bars) {
            const BarDiagramLayout layout = LayOutBarDiagram(bar, barWidth, font);
            const QImage picture = DiagramPicture(layout, font);
            const QString name = QStringLiteral("diagram:%1").arg(++count);
            document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
            cursor.insertBlock(QTextBlockFormat());
            QTextImageFormat image;
            image.setName(name);
            image.setWidth(static_cast<double>(picture.width()) / Fineness);
            image.setHeight(static_cast<double>(picture.height()) / Fineness);
            cursor.insertImage(image);
        }
    }
}

} // namespace

std::unique_ptr<QTextDocument> OrderDocument(const QString& jobName, const QString& orderText,
                                             const std::vector<DiagramGroup>& diagrams, double textWidth) {
    PrintedDocument printed = BeginPrintedDocument(QStringLiteral("Bars to order"), 9);
    QTextCursor& cursor = printed.Cursor;
    const QTextCharFormat plain;
    const QTextCharFormat bold = Bold(plain);
    InsertParagraph(cursor, QStringLiteral("Job: ") + jobName, plain);
    cursor.insertBlock();
    const QStringList lines = orderText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        cursor.insertBlock();
        // The lines of a group's bars and figures are indented; the group's own line is not.
        const bool group = i > 0 && !lines[i].startsWith(QLatin1Char(' '));
        cursor.insertText(lines[i], group ? bold : plain);
    }
    InsertDiagrams(cursor, diagrams, textWidth);
    return std::move(printed.Document);
}

} // namespace volcalc::ui
