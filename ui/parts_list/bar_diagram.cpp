// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/bar_diagram.h"

#include "calc/number_text.h"
#include "cutting/order_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace volcalc::ui {
namespace {

constexpr double Padding = 4;
// Light enough that the pieces' texts and kerfs stand out, on paper as on screen.
const QColor PieceColour(0xdd, 0xe8, 0xf4);
// A kerf narrower than this on the scale is still drawn, so that the saw's cuts can be counted.
constexpr double LeastKerfWidth = 1.5;

QString Length(cutting::Units length) {
    return QString::fromStdString(cutting::LengthText(length, DecimalSeparator()));
}

QString TitleOf(const DiagramBar& bar) {
    QString title = QStringLiteral("%1 × %2").arg(bar.Count).arg(Length(bar.Stock));
    if (bar.FromRack) {
        title += QStringLiteral(" from stock");
    }
    return title;
}

QString OffcutText(const DiagramBar& bar) {
    const QString fate = bar.OffcutKept ? QStringLiteral("keep %1")
                         : bar.Sorted   ? QStringLiteral("scrap %1")
                                        : QStringLiteral("offcut %1");
    return fate.arg(Length(bar.Offcut));
}

// What a piece's label says inside it: its length over its mark.
QStringList InsideLines(const DiagramPiece& piece) {
    QStringList lines{Length(piece.Length)};
    if (!piece.Mark.isEmpty()) {
        lines << piece.Mark;
    }
    return lines;
}

// A label wanting a place: inside the box when it fits, otherwise below the bar.
struct Wanted {
    QRectF Box;
    QStringList Lines;
};

// The labels that do not fit their piece, placed below the bar left to right, each in the first
// row where it stays clear of the labels already there.
void HangOutside(const std::vector<Wanted>& outside, const QRectF& bar, double width,
                 const QFontMetricsF& metrics, BarDiagramLayout& layout) {
    std::vector<double> rowEnds; // the right edge of the last label of each row
    const double rowHeight = metrics.height() + Padding;
    for (const Wanted& wanted : outside) {
        const QString text = wanted.Lines.join(QLatin1Char(' '));
        const double textWidth = metrics.horizontalAdvance(text) + Padding;
        const double left =
            std::clamp(wanted.Box.center().x() - textWidth / 2, 0.0, std::max(0.0, width - textWidth));
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] > left) {
            ++row;
        }
        if (row == rowEnds.size()) {
            rowEnds.push_back(0);
        }
        rowEnds[row] = left + textWidth + Padding;
        const double top = bar.bottom() + Padding + static_cast<double>(row) * rowHeight + Padding;
        layout.Labels.push_back({QRectF(left, top, textWidth, metrics.height()), text, true,
                                 QPointF(wanted.Box.center().x(), bar.bottom())});
    }
    const double below = rowEnds.empty() ? 0 : Padding * 2 + static_cast<double>(rowEnds.size()) * rowHeight;
    layout.Height = bar.bottom() + below + Padding;
}

bool FitsInside(const Wanted& wanted, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QString& line : wanted.Lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest + Padding <= wanted.Box.width() &&
           static_cast<double>(wanted.Lines.size()) * metrics.height() <= wanted.Box.height();
}

} // namespace

QFont DiagramFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(std::max(11.0, base.pointSizeF()));
    return font;
}

BarDiagramLayout LayOutBarDiagram(const DiagramBar& bar, double width, const QFont& font) {
    const QFontMetricsF metrics(font);
    BarDiagramLayout layout;
    layout.Title = TitleOf(bar);
    QFont bold = font;
    bold.setBold(true);
    layout.TitleBox =
        QRectF(0, 0, QFontMetricsF(bold).horizontalAdvance(layout.Title) + Padding, metrics.height());
    layout.Bar = QRectF(0, layout.TitleBox.bottom() + Padding, width, metrics.height() * 2 + 2 * Padding);
    const double scale = bar.Stock > 0 ? width / static_cast<double>(bar.Stock) : 0;
    std::vector<Wanted> wanted;
    double x = 0;
    for (const DiagramPiece& piece : bar.Pieces) {
        const double pieceWidth = static_cast<double>(piece.Length) * scale;
        layout.Pieces.emplace_back(x, layout.Bar.top(), pieceWidth, layout.Bar.height());
        wanted.push_back({layout.Pieces.back(), InsideLines(piece)});
        x += pieceWidth;
        // The last piece of a bar the pieces fill exactly needs no cut.
        const double kerfEnd = std::min(width, x + static_cast<double>(bar.Kerf) * scale);
        if (bar.Kerf > 0 && kerfEnd > x) {
            layout.Kerfs.emplace_back(x, layout.Bar.top(), kerfEnd - x, layout.Bar.height());
        }
        x = kerfEnd;
    }
    if (bar.Offcut > 0) {
        const double offcutWidth = static_cast<double>(bar.Offcut) * scale;
        layout.Offcut = QRectF(width - offcutWidth, layout.Bar.top(), offcutWidth, layout.Bar.height());
        wanted.push_back({layout.Offcut, {OffcutText(bar)}});
    }
    std::vector<Wanted> outside;
    for (const Wanted& label : wanted) {
        if (FitsInside(label, metrics)) {
            layout.Labels.push_back({label.Box, label.Lines.join(QLatin1Char('\n')), false, {}});
        } else {
            outside.push_back(label);
        }
    }
    HangOutside(outside, layout.Bar, width, metrics, layout);
    return layout;
}

void PaintBarDiagram(QPainter& painter, const BarDiagramLayout& layout, const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(layout.TitleBox, Qt::AlignLeft | Qt::AlignVCenter, layout.Title);
    painter.setFont(font);
    painter.fillRect(layout.Bar, Qt::white);
    painter.setBrush(PieceColour);
    for (const QRectF& piece : layout.Pieces) {
        painter.drawRect(piece);
    }
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    if (!layout.Offcut.isEmpty()) {
        painter.drawRect(layout.Offcut);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& kerf : layout.Kerfs) {
        const double grow = std::max(0.0, LeastKerfWidth - kerf.width()) / 2;
        painter.drawRect(kerf.adjusted(-grow, 0, grow, 0));
    }
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.Bar);
    painter.setPen(Qt::black);
    // The leaders first, so that a label of a lower row is never crossed by another's leader.
    for (const DiagramLabel& label : layout.Labels) {
        if (label.Outside) {
            painter.drawLine(label.Leader, QPointF(label.Leader.x(), label.Box.top()));
        }
    }
    const QFontMetricsF metrics(font);
    for (const DiagramLabel& label : layout.Labels) {
        // Whatever lies behind a text is cleared, the offcut's hatching above all.
        const bool onPiece = !label.Outside && label.Box != layout.Offcut;
        const QRectF text = metrics.boundingRect(label.Box, Qt::AlignCenter, label.Text);
        painter.fillRect(label.Outside ? label.Box : text.adjusted(-1, 0, 1, 0),
                         onPiece ? PieceColour : QColor(Qt::white));
        painter.drawText(label.Box, Qt::AlignCenter, label.Text);
    }
    painter.restore();
}

} // namespace volcalc::ui
