// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/link_label.h"

#include <QMouseEvent>
#include <QShortcut>

namespace volcalc::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::Activate() {
    emit Clicked();
}

void LinkLabel::SetPressKey(const QKeySequence& key) {
    m_pressKey = key;
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, &LinkLabel::Activate);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->position().toPoint())) {
            emit Clicked();
            return;
        }
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit MouseEnter();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit MouseLeave();
}

} // namespace volcalc::ui
