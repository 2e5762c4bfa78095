// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/parts_list_pages.h"

#include "calc/spreadsheet_text.h"
#include "ui/desktop/on_demand.h"
#include "ui/parts_list/column_fit.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/printed_document.h"

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

constexpr double CellPadding = 3;

// A tab or a line break inside a cell would split it: it is read as a blank.
QString OneCell(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

// The cells typed or named by the user are text a spreadsheet could run as a formula; the figures
// and the program's own words are not guarded, so that a negative figure stays a number.
QString SpreadsheetCell(const QString& text, int column) {
    const bool typed = column == PartsListModel::ShapeColumn || column == PartsListModel::ParametersColumn ||
                       column == PartsListModel::MaterialColumn || column == PartsListModel::MarkColumn ||
                       column == PartsListModel::NoteColumn;
    return typed ? QString::fromStdString(SpreadsheetText(text.toStdString())) : text;
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

// What a line of text needs on paper, measured on the screen: the printer's unhinted glyphs can
// come out a little wider, and the cell's padding and border come on top.
double PaperWidth(const QFontMetricsF& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) * 1.08 + 2 * CellPadding + 2;
}

// What each column needs on paper: its longest line, and the least it may be narrowed to with
// its lines breaking between words only. A figure, and each line of a header that has a unit
// on its second line, stay whole, so that such a header takes two lines at most.
std::vector<ColumnNeed> PaperColumns(const PartsListModel& model, const QFont& plain, const QFont& bold) {
    const QFontMetricsF plainMetrics(plain);
    const QFontMetricsF boldMetrics(bold);
    const std::vector<int> shown = model.ReportColumns();
    std::vector<ColumnNeed> columns(shown.size());
    const auto take = [](ColumnNeed& column, const QFontMetricsF& metrics, const QString& text, bool whole) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            column.Natural = std::max(column.Natural, PaperWidth(metrics, line));
            for (const QString& word : whole ? QStringList{line} : line.split(QLatin1Char(' '))) {
                column.Least = std::max(column.Least, PaperWidth(metrics, word));
            }
        }
    };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int column = shown[i];
        ColumnNeed& need = columns[i];
        const bool figures = RightAligned(model, 0, column);
        take(need, boldMetrics, model.HeaderText(column), figures);
        for (int row = 0; row < model.rowCount(); ++row) {
            take(need, model.IsTotalsRow(row) ? boldMetrics : plainMetrics, model.CellText(row, column),
                 figures);
        }
    }
    return columns;
}

// Shares of the table's width: the natural widths where the page has room for them (the rest
// shared out in proportion), the long texts narrowed where it has not.
QList<QTextLength> ColumnWidths(const PartsListModel& model, const QFont& plain, const QFont& bold,
                                double textWidth) {
    const std::vector<double> widths = FitColumnWidths(PaperColumns(model, plain, bold), textWidth);
    double sum = 0;
    for (double width : widths) {
        sum += width;
    }
    QList<QTextLength> lengths;
    for (double width : widths) {
        lengths << QTextLength(QTextLength::PercentageLength, sum > 0 ? 100.0 * width / sum : 0.0);
    }
    return lengths;
}

} // namespace

QString PartsListTabText(const PartsListModel& model) {
    QStringList lines;
    QStringList header;
    const std::vector<int> shown = model.ReportColumns();
    for (const int column : shown) {
        header << OneCell(model.HeaderLine(column));
    }
    lines << header.join(QLatin1Char('\t'));
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (const int column : shown) {
            cells << OneCell(SpreadsheetCell(model.CopyText(row, column), column));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::unique_ptr<QTextDocument> PartsListDocument(const PartsListModel& model, const QString& jobName,
                                                 double textWidth) {
    PrintedDocument printed = BeginPrintedDocument(QStringLiteral("Parts list"), 8);
    QTextCursor& cursor = printed.Cursor;
    const QFont font = printed.Document->defaultFont();
    const QTextCharFormat plain;
    InsertParagraph(cursor, QStringLiteral("Job: ") + jobName, plain);
    cursor.insertBlock();

    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(CellPadding);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QFont bold = font;
    bold.setBold(true);
    format.setColumnWidthConstraints(ColumnWidths(model, font, bold, textWidth));
    const std::vector<int> shown = model.ReportColumns();
    QTextTable* table = cursor.insertTable(model.rowCount() + 1, int(shown.size()), format);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        FillCell(table, 0, int(i), model.HeaderText(shown[i]), Bold(plain), RightAligned(model, 0, shown[i]));
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QTextCharFormat cellFormat = model.IsTotalsRow(row) ? Bold(plain) : plain;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            FillCell(table, row + 1, int(i), model.CellText(row, shown[i]), cellFormat,
                     RightAligned(model, row, shown[i]));
        }
    }
    return std::move(printed.Document);
}

void PrintPartsList(const OnDemandFunctions& module, const PartsListModel& model, const QString& jobName,
                    QPrinter& printer) {
    module.PrintDocument(*PartsListDocument(model, jobName, module.PageTextWidth(printer)), printer,
                         QStringLiteral("Parts list"));
}

} // namespace volcalc::ui
