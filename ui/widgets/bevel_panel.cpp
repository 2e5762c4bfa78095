// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/bevel_panel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace volcalc::ui {
namespace {

// Draws one bevel on the rectangle and returns the rectangle inside it.
QRect DrawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, BevelPanel::Bevel bevel) {
    if (bevel == BevelPanel::Bevel::None) {
        return rect;
    }
    qDrawShadePanel(&painter, rect, palette, bevel == BevelPanel::Bevel::Lowered, 1, nullptr);
    return rect.adjusted(1, 1, -1, -1);
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, Bevel outer, Bevel inner)
    : QWidget(parent), m_outer(outer), m_inner(inner) {
    setAutoFillBackground(true);
}

int BevelPanel::BevelWidth() const {
    return (m_outer != Bevel::None ? 1 : 0) + (m_inner != Bevel::None ? 1 : 0);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = DrawBevel(painter, rect(), palette(), m_outer);
    DrawBevel(painter, inside, palette(), m_inner);
}

} // namespace volcalc::ui
