// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/printed_document.h"

#include <QDate>
#include <QFont>
#include <QLocale>

namespace volcalc::ui {

PrintedDocument BeginPrintedDocument(const QString& title, int pointSize) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSize(pointSize);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    QTextCharFormat heading = Bold(QTextCharFormat());
    heading.setFontPointSize(14);
    cursor.setCharFormat(heading);
    cursor.insertText(title, heading);
    InsertParagraph(cursor, QLocale::c().toString(QDate::currentDate(), QStringLiteral("yyyy-MM-dd")),
                    QTextCharFormat());
    return {std::move(document), cursor};
}

QTextCharFormat Bold(const QTextCharFormat& base) {
    QTextCharFormat bold = base;
    bold.setFontWeight(QFont::Bold);
    return bold;
}

void InsertParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    cursor.insertBlock();
    cursor.setCharFormat(format);
    cursor.insertText(text, format);
}

} // namespace volcalc::ui
