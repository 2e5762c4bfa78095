#include "ui/parts_list/parts_list_pages.h"

#include "ui/desktop/on_demand.h"
#include "ui/parts_list/parts_list_model.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace volcalc::ui {
namespace {

// A tab or a line break inside a cell would split it: it is read as a blank.
QString OneCell(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return text;
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

void FillCell(QTextTable* table, int row, int column, const QString& text, const QTextCharFormat& format,
              bool rightAligned) {
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat block = cell.blockFormat();
    block.setAlignment(rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    cell.setBlockFormat(block);
    cell.insertText(text, format);
}

bool RightAligned(const PartsListModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
}

// Each column gets a share of the page width after its widest cell, so that no cell of a row
// wraps; headers wrap at their blanks instead.
QList<QTextLength> ColumnWidths(const PartsListModel& model, const QFont& font) {
    const QFontMetricsF metrics(font);
    QList<QTextLength> widths;
    std::vector<double> natural(PartsListModel::ColumnCount, 0.0);
    double sum = 0;
    for (int column = 0; column < PartsListModel::ColumnCount; ++column) {
        for (const QString& word : model.HeaderText(column).split(QLatin1Char(' '))) {
            natural[std::size_t(column)] =
                std::max(natural[std::size_t(column)], metrics.horizontalAdvance(word));
        }
        for (int row = 0; row < model.rowCount(); ++row) {
            natural[std::size_t(column)] = std::max(natural[std::size_t(column)],
                                                    metrics.horizontalAdvance(model.CellText(row, column)));
        }
        sum += natural[std::size_t(column)];
    }
    for (double width : natural) {
        widths << QTextLength(QTextLength::PercentageLength, sum > 0 ? 100.0 * width / sum : 0.0);
    }
    return widths;
}

} // namespace

QString PartsListTabText(const PartsListModel& model) {
    QStringList lines;
    QStringList header;
    for (int column = 0; column < PartsListModel::ColumnCount; ++column) {
        header << OneCell(model.HeaderLine(column));
    }
    lines << header.join(QLatin1Char('\t'));
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < PartsListModel::ColumnCount; ++column) {
            cells << OneCell(model.CopyText(row, column));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::unique_ptr<QTextDocument> PartsListDocument(const PartsListModel& model, const QString& catalogueFile) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSize(8);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    QTextCharFormat plain;
    QTextCharFormat title = Bold(plain);
    title.setFontPointSize(14);
    cursor.setCharFormat(title);
    cursor.insertText(QStringLiteral("Parts list"), title);
    InsertParagraph(cursor, QLocale::c().toString(QDate::currentDate(), QStringLiteral("yyyy-MM-dd")), plain);
    InsertParagraph(cursor, QStringLiteral("Material catalogue: ") + catalogueFile, plain);
    cursor.insertBlock();

    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QFont bold = font;
    bold.setBold(true);
    format.setColumnWidthConstraints(ColumnWidths(model, bold));
    QTextTable* table = cursor.insertTable(model.rowCount() + 1, PartsListModel::ColumnCount, format);
    for (int column = 0; column < PartsListModel::ColumnCount; ++column) {
        FillCell(table, 0, column, model.HeaderText(column), Bold(plain), RightAligned(model, 0, column));
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QTextCharFormat cellFormat = model.IsTotalsRow(row) ? Bold(plain) : plain;
        for (int column = 0; column < PartsListModel::ColumnCount; ++column) {
            FillCell(table, row + 1, column, model.CellText(row, column), cellFormat,
                     RightAligned(model, row, column));
        }
    }
    return document;
}

void PrintPartsList(const OnDemandFunctions& module, const PartsListModel& model,
                    const QString& catalogueFile, QPrinter& printer) {
    module.PrintDocument(*PartsListDocument(model, catalogueFile), printer, QStringLiteral("Parts list"));
}

} // namespace volcalc::ui
