// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/toolbar_button.h"

#include <QIcon>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace volcalc::ui {

ToolbarButton::ToolbarButton(QWidget* parent, const QString& caption, const QPixmap& picture,
                             int pictureOffset)
    : QToolButton(parent), m_picture(picture), m_pictureOffset(pictureOffset) {
    setText(caption);
    setToolTip(caption);
    setAutoRaise(true);
    // Tool buttons never take the keyboard focus, so pressing one does not leave the field being edited.
    setFocusPolicy(Qt::NoFocus);
}

void ToolbarButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws only the frame; picture and caption are placed here.
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const int textHeight = fontMetrics().height();
    const QSize pictureSize = m_picture.isNull() ? QSize(32, 32) : m_picture.deviceIndependentSize().toSize();
    int top = m_pictureOffset;
    if (top == Centred) {
        top = (height() - pictureSize.height() - textHeight) / 2;
    }
    // A pressed button shows its content one pixel down and right.
    const int shift = isDown() ? 1 : 0;
    const QPoint pictureAt((width() - pictureSize.width()) / 2 + shift, top + shift);
    if (!m_picture.isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        painter.drawPixmap(pictureAt, QIcon(m_picture).pixmap(pictureSize, devicePixelRatio(), mode));
    }
    const QRect textRect(shift, pictureAt.y() + pictureSize.height(), width(), textHeight);
    painter.drawItemText(textRect, Qt::AlignHCenter | Qt::AlignTop, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace volcalc::ui
