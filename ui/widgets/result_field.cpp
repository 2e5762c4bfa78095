// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/result_field.h"

#include <QPainter>

namespace volcalc::ui {

ResultField::ResultField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
    // Keeps the text clear of the bevel drawn over the edge.
    setTextMargins(2, 1, 2, 1);
}

void ResultField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Midlight));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

} // namespace volcalc::ui
