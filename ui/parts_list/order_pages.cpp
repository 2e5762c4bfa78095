// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_pages.h"

#include "ui/parts_list/printed_document.h"

namespace volcalc::ui {

std::unique_ptr<QTextDocument> OrderDocument(const QString& orderText) {
    PrintedDocument printed = BeginPrintedDocument(QStringLiteral("Bars to order"), 9);
    QTextCursor& cursor = printed.Cursor;
    const QTextCharFormat plain;
    const QTextCharFormat bold = Bold(plain);
    cursor.insertBlock();
    const QStringList lines = orderText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        cursor.insertBlock();
        // The lines of a group's bars and figures are indented; the group's own line is not.
        const bool group = i > 0 && !lines[i].startsWith(QLatin1Char(' '));
        cursor.insertText(lines[i], group ? bold : plain);
    }
    return std::move(printed.Document);
}

} // namespace volcalc::ui
