// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace volcalc::ui {

// A document the windows print: its text in the point size given, headed by the title in bold
// and today's date on the line below; the cursor stands after the date.
struct PrintedDocument {
    std::unique_ptr<QTextDocument> Document;
    QTextCursor Cursor;
};
PrintedDocument BeginPrintedDocument(const QString& title, int pointSize);

QTextCharFormat Bold(const QTextCharFormat& base);
// A new paragraph holding the text in the format given.
void InsertParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format);

} // namespace volcalc::ui
