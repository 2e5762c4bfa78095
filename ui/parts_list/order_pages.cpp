// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_pages.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>

namespace volcalc::ui {

std::unique_ptr<QTextDocument> OrderDocument(const QString& orderText) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSize(9);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    QTextCharFormat plain;
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat title = bold;
    title.setFontPointSize(14);
    cursor.insertText(QStringLiteral("Bars to order"), title);
    cursor.insertBlock();
    cursor.insertText(QLocale::c().toString(QDate::currentDate(), QStringLiteral("yyyy-MM-dd")), plain);
    cursor.insertBlock();
    const QStringList lines = orderText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        cursor.insertBlock();
        // The lines of a group's bars and figures are indented; the group's own line is not.
        const bool group = i > 0 && !lines[i].startsWith(QLatin1Char(' '));
        cursor.insertText(lines[i], group ? bold : plain);
    }
    return document;
}

} // namespace volcalc::ui
