// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/group_frame.h"

#include <QPainter>

namespace volcalc::ui {
namespace {

constexpr int CaptionLeft = 8;

// A one-pixel line along the edge pixels of the rectangle, filled rather than stroked: the pixels
// a one-pixel pen draws around the rectangle one smaller, without running the line stroker.
void Outline(QPainter& painter, const QRect& edge, const QColor& colour) {
    painter.fillRect(edge.left(), edge.top(), edge.width(), 1, colour);
    painter.fillRect(edge.left(), edge.bottom(), edge.width(), 1, colour);
    painter.fillRect(edge.left(), edge.top(), 1, edge.height(), colour);
    painter.fillRect(edge.right(), edge.top(), 1, edge.height(), colour);
}

} // namespace

GroupFrame::GroupFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // Etched: a dark line with a light one just inside and below it.
    Outline(painter, frame, palette().color(QPalette::Dark));
    Outline(painter, frame.translated(1, 1), palette().color(QPalette::Light));

    const QRect caption(CaptionLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
}

} // namespace volcalc::ui
