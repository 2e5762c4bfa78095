// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's mail picture: an envelope with sheets of paper standing out of it.

#include "picture.h"

#include <QPainter>
#include <QPainterPath>

namespace pictures {

Picture Envelope() {
    QImage image(33, 33, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(70, 60, 40), 1);

    // Two sheets, the back one leaning left.
    for (const auto& [angle, dx] : {std::pair{-12.0, -3.0}, std::pair{6.0, 3.0}}) {
        p.save();
        p.translate(16.5 + dx, 20);
        p.rotate(angle);
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-8, -16, 16, 20));
        p.setPen(QPen(QColor(80, 110, 200), 1));
        for (double y = -12.5; y < -3; y += 3) {
            p.drawLine(QPointF(-5.5, y), QPointF(5.5, y));
        }
        p.restore();
    }

    // The envelope, open at the top, its flap folded back.
    const QRectF body(1.5, 15.5, 30, 16);
    p.setPen(outline);
    p.setBrush(QColor(245, 225, 160));
    p.drawRect(body);
    QPainterPath front;
    front.moveTo(body.topLeft());
    front.lineTo(body.center().x(), body.top() + 9);
    front.lineTo(body.topRight());
    front.lineTo(body.bottomRight());
    front.lineTo(body.bottomLeft());
    front.closeSubpath();
    p.setBrush(QColor(250, 235, 185));
    p.drawPath(front);
    p.drawLine(body.bottomLeft(), QPointF(body.left() + 11, body.top() + 7));
    p.drawLine(body.bottomRight(), QPointF(body.right() - 11, body.top() + 7));
    p.end();
    return {"envelope", image.convertToFormat(QImage::Format_ARGB32), FileKind::Gif};
}

} // namespace pictures
