// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/arrow_button.h"

#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

namespace volcalc::ui {

ArrowButton::ArrowButton(QWidget* parent, Qt::ArrowType arrow) : QWidget(parent), m_arrow(arrow) {
    setFocusPolicy(Qt::NoFocus);
    m_timer.setObjectName(QStringLiteral("RepeatTimer"));
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Repeat(); });
}

void ArrowButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    if (m_held && m_pointerOver) {
        option.state |= QStyle::State_Sunken;
    } else {
        option.state |= QStyle::State_Raised;
    }
    painter.drawPrimitive(QStyle::PE_PanelButtonBevel, option);
    option.rect = rect().adjusted(2, 1, -2, -1);
    painter.drawPrimitive(
        m_arrow == Qt::UpArrow ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, option);
}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        return;
    }
    if (m_onPress) {
        m_onPress();
    }
    m_held = true;
    m_pointerOver = true;
    m_timer.start(RepeatPause);
    update();
}

void ArrowButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_held) {
        return;
    }
    const bool over = rect().contains(event->position().toPoint());
    if (over != m_pointerOver) {
        m_pointerOver = over;
        update();
    }
}

void ArrowButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_held) {
        return;
    }
    m_held = false;
    m_timer.stop();
    update();
    if (rect().contains(event->position().toPoint())) {
        Step();
    }
}

void ArrowButton::Repeat() {
    // The pause before the first repeat is longer than the pace of the following ones.
    m_timer.setInterval(RepeatInterval);
    if (m_pointerOver) {
        Step();
    }
}

void ArrowButton::Step() {
    if (m_onStep) {
        m_onStep();
    }
}

} // namespace volcalc::ui
