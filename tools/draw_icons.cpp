// SPDX-License-Identifier: GPL-3.0-or-later
// Window buttons, the program icon and the About box picture: drawn smoothly, then brought down to
// the number of colours each of them may have.

#include "palette.h"
#include "picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace pictures {

namespace {

using Artwork = std::function<void(QPainter&)>;

QImage Paint(int width, int height, const Artwork& artwork) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artwork(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPen Outline(QColor colour, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// The outline of `text` in `font`, scaled to fill `box` and centred in it.
QPainterPath Glyph(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// A left-pointing arrowhead with its tip at x.
QPolygonF Chevron(double x) {
    return QPolygonF({{x, 16}, {x + 13, 4}, {x + 13, 28}});
}

void Undo(QPainter& p) {
    QLinearGradient fill(0, 4, 0, 28);
    fill.setColorAt(0, QColor(110, 150, 255));
    fill.setColorAt(1, QColor(0, 30, 200));
    p.setPen(Outline(QColor(0, 0, 110), 1.2));
    p.setBrush(fill);
    p.drawPolygon(Chevron(14.5));
    p.drawPolygon(Chevron(2.5));
}

void Reset(QPainter& p) {
    QPainterPath cross;
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-15, -4.2, 30, 8.4), 3.5, 3.5);
    for (double angle : {45.0, -45.0}) {
        QTransform t;
        t.translate(16, 16);
        t.rotate(angle);
        cross = cross.united(t.map(bar));
    }
    QLinearGradient fill(0, 2, 32, 30);
    fill.setColorAt(0, QColor(255, 120, 110));
    fill.setColorAt(0.5, QColor(230, 20, 20));
    fill.setColorAt(1, QColor(150, 0, 0));
    p.setPen(Outline(QColor(110, 0, 0), 1.2));
    p.setBrush(fill);
    p.drawPath(cross.simplified());
}

void About(QPainter& p) {
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 31, 25));
    QPainterPath tail;
    tail.moveTo(7, 20);
    tail.lineTo(3, 33.5);
    tail.lineTo(17, 25);
    tail.closeSubpath();
    bubble = bubble.united(tail).simplified();
    QRadialGradient fill(QPointF(12, 8), 30);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(215, 225, 245));
    p.setPen(Outline(QColor(20, 50, 150), 1.4));
    p.setBrush(fill);
    p.drawPath(bubble);
    QFont serif("DejaVu Serif");
    serif.setBold(true);
    serif.setPixelSize(40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 60, 210));
    p.drawPath(Glyph("i", serif, QRectF(12.5, 4, 10, 19)));
}

void Help(QPainter& p) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(60);
    const QPainterPath mark = Glyph("?", font, QRectF(5, 1.5, 23, 31));
    QLinearGradient fill(0, 0, 33, 34);
    fill.setColorAt(0, QColor(255, 250, 150));
    fill.setColorAt(0.45, QColor(255, 220, 0));
    fill.setColorAt(1, QColor(215, 150, 0));
    p.setPen(Outline(QColor(110, 70, 0), 1.5));
    p.setBrush(fill);
    p.drawPath(mark);
}

void Exit(QPainter& p) {
    // Frame and the dark doorway.
    p.setPen(Outline(QColor(60, 35, 10), 1));
    p.setBrush(QColor(150, 95, 45));
    p.drawRect(QRectF(5.5, 2.5, 20, 27));
    p.setBrush(QColor(25, 20, 30));
    p.drawRect(QRectF(8.5, 5.5, 14, 24));
    // The door, swung open towards the viewer on its left hinge.
    QPolygonF door({{8.5, 5.5}, {16, 2}, {16, 31.5}, {8.5, 29.5}});
    QLinearGradient wood(8, 0, 16, 0);
    wood.setColorAt(0, QColor(200, 140, 70));
    wood.setColorAt(1, QColor(160, 100, 40));
    p.setBrush(wood);
    p.drawPolygon(door);
    p.setBrush(QColor(250, 220, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(14, 17), 1.1, 1.1);
    // The arrow leaves through the doorway.
    QPolygonF arrow({{12, 14}, {22, 14}, {22, 9}, {31, 17}, {22, 25}, {22, 20}, {12, 20}});
    QLinearGradient red(0, 9, 0, 25);
    red.setColorAt(0, QColor(255, 90, 80));
    red.setColorAt(1, QColor(190, 0, 0));
    p.setPen(Outline(QColor(100, 0, 0), 1));
    p.setBrush(red);
    p.drawPolygon(arrow);
}

void MaterialAdd(QPainter& p) {
    // Notepad with rings along the top.
    p.setPen(Outline(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 5.5, 20, 24));
    p.setPen(Outline(QColor(90, 120, 200), 1));
    for (double y = 12.5; y < 28; y += 4) {
        p.drawLine(QPointF(6.5, y), QPointF(20.5, y));
    }
    p.setPen(Outline(QColor(40, 40, 40), 1.2));
    for (double x = 7; x < 22; x += 4) {
        p.drawLine(QPointF(x, 3), QPointF(x, 8));
    }
    // Pen lying across the page.
    QTransform t;
    t.translate(24, 16);
    t.rotate(45);
    QPainterPath body;
    body.addRect(QRectF(-13, -2.5, 19, 5));
    QPainterPath tip;
    tip.moveTo(6, -2.5);
    tip.lineTo(11, 0);
    tip.lineTo(6, 2.5);
    tip.closeSubpath();
    p.setPen(Outline(QColor(40, 30, 0), 1));
    p.setBrush(QColor(250, 200, 0));
    p.drawPath(t.map(body));
    p.setBrush(QColor(240, 210, 160));
    p.drawPath(t.map(tip));
    p.setBrush(QColor(200, 0, 0));
    QPainterPath cap;
    cap.addRect(QRectF(-13, -2.5, 4, 5));
    p.drawPath(t.map(cap));
}

void MaterialRemove(QPainter& p) {
    QPolygonF basket({{6, 8}, {26, 8}, {23.5, 30}, {8.5, 30}});
    QLinearGradient metal(6, 0, 26, 0);
    metal.setColorAt(0, QColor(120, 120, 120));
    metal.setColorAt(0.35, QColor(215, 215, 215));
    metal.setColorAt(1, QColor(95, 95, 95));
    p.setPen(Outline(QColor(40, 40, 40), 1));
    p.setBrush(metal);
    p.drawPolygon(basket);
    p.setPen(Outline(QColor(70, 70, 70), 1));
    for (double x : {11.0, 16.0, 21.0}) {
        p.drawLine(QPointF(x, 11), QPointF(x + (16 - x) * 0.12, 27.5));
    }
    p.setPen(Outline(QColor(40, 40, 40), 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(4.5, 5, 23, 4), 1.5, 1.5);
}

void PartsList(QPainter& p) {
    // The board, with rounded corners.
    QLinearGradient wood(0, 0, 32, 32);
    wood.setColorAt(0, QColor(215, 150, 80));
    wood.setColorAt(1, QColor(150, 90, 35));
    p.setPen(Outline(QColor(70, 40, 10), 1));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(4.5, 3.5, 23, 28), 2.5, 2.5);
    // The sheet held on it, ruled like a list: a short mark for the number, a long line for the row.
    p.setPen(Outline(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 7.5, 17, 21));
    p.setPen(Outline(QColor(90, 120, 200), 1));
    for (double y = 12.5; y < 27; y += 4) {
        p.drawLine(QPointF(9.5, y), QPointF(10.5, y));
        p.drawLine(QPointF(12.5, y), QPointF(22.5, y));
    }
    // The metal clip across the top edge.
    QLinearGradient metal(0, 1, 0, 10);
    metal.setColorAt(0, QColor(235, 235, 235));
    metal.setColorAt(1, QColor(120, 120, 120));
    p.setPen(Outline(QColor(40, 40, 40), 1));
    p.setBrush(metal);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(10.5, 5.5, 11, 5), 1.5, 1.5);
    clip.addEllipse(QRectF(13.5, 1.5, 5, 5));
    p.drawPath(clip.simplified());
    p.setBrush(QColor(70, 40, 10));
    p.drawEllipse(QPointF(16, 4), 1, 1);
}

void Calculator(QPainter& p) {
    QLinearGradient body(0, 0, 0, 21);
    body.setColorAt(0, QColor(40, 170, 170));
    body.setColorAt(1, QColor(0, 100, 100));
    p.setPen(Outline(QColor(0, 50, 50), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0.5, 0.5, 30, 20), 2.5, 2.5);
    p.setBrush(QColor(200, 225, 190));
    p.drawRect(QRectF(3.5, 2.5, 24, 5));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            p.setBrush(column == 4 ? QColor(230, 120, 40) : QColor(235, 240, 240));
            p.drawRect(QRectF(3.5 + column * 5, 10 + row * 3.5, 4, 2.5));
        }
    }
}

// The program's motif: a yellow disc behind a two-tone cone and a cube, in a box of `size`.
void Motif(QPainter& p, double size) {
    p.save();
    p.scale(size / 32.0, size / 32.0);
    const QPen outline = Outline(Qt::black, 0.8);
    p.setPen(outline);
    p.setBrush(QColor(vga::Yellow));
    p.drawEllipse(QPointF(11.5, 11), 9.5, 9.5);

    // The cone: lit side aqua, shaded side green.
    const QPointF apex(23.5, 2);
    const QPointF base(23.5, 25.5);
    const double rx = 8;
    const double ry = 3;
    QPainterPath lit;
    lit.moveTo(apex);
    lit.lineTo(base.x() - rx, base.y());
    lit.arcTo(QRectF(base.x() - rx, base.y() - ry, 2 * rx, 2 * ry), 180, 95);
    lit.closeSubpath();
    QPainterPath shaded;
    shaded.moveTo(apex);
    shaded.lineTo(base.x() + rx, base.y());
    shaded.arcTo(QRectF(base.x() - rx, base.y() - ry, 2 * rx, 2 * ry), 0, -85);
    shaded.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(vga::Aqua));
    p.drawPath(lit);
    p.setBrush(QColor(vga::Green));
    p.drawPath(shaded);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    QPainterPath cone;
    cone.moveTo(base.x() - rx, base.y());
    cone.lineTo(apex);
    cone.lineTo(base.x() + rx, base.y());
    cone.arcTo(QRectF(base.x() - rx, base.y() - ry, 2 * rx, 2 * ry), 0, -180);
    p.drawPath(cone);

    // The cube: red front, magenta top and side.
    const QRectF front(2.5, 18, 11.5, 11.5);
    const QPointF depth(4, -3.5);
    p.setBrush(QColor(vga::Fuchsia));
    p.drawPolygon(
        QPolygonF({front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()}));
    p.setBrush(QColor(200, 0, 200));
    p.drawPolygon(QPolygonF(
        {front.topRight(), front.topRight() + depth, front.bottomRight() + depth, front.bottomRight()}));
    p.setBrush(QColor(vga::Red));
    p.drawRect(front);
    p.restore();
}

Picture Icon(const QString& name, int width, int height, int colours, const Artwork& artwork) {
    const QImage image = Paint(width, height, artwork);
    return {name, colours > 0 ? Quantize(image, colours) : image};
}

} // namespace

std::vector<Picture> IconPictures() {
    std::vector<Picture> pictures = {
        Icon("undo", 32, 32, 16, Undo),
        Icon("reset", 32, 32, 256, Reset),
        Icon("about", 34, 35, 256, About),
        Icon("help", 33, 34, 256, Help),
        Icon("exit", 32, 32, 256, Exit),
        Icon("material_add", 32, 32, 16, MaterialAdd),
        Icon("material_remove", 32, 32, 16, MaterialRemove),
        Icon("calculator", 31, 21, 16, Calculator),
        Icon("parts_list", 32, 32, 16, PartsList),
        // At this size smoothing would only muddy the outlines: plain palette colours read better.
        Icon("program_icon", 32, 32, 16,
             [](QPainter& p) {
                 p.setRenderHint(QPainter::Antialiasing, false);
                 Motif(p, 32);
             }),
        Icon("program_picture", 70, 70, 16,
             [](QPainter& p) {
                 p.fillRect(QRect(0, 0, 70, 70), QColor(vga::Grey));
                 p.translate(4, 4);
                 Motif(p, 62);
             }),
    };
    for (int size : {16, 48, 64, 128, 256}) {
        pictures.push_back(
            Icon(QString("icon_%1").arg(size), size, size, 0, [size](QPainter& p) { Motif(p, size); }));
    }
    return pictures;
}

} // namespace pictures
