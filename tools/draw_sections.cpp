// SPDX-License-Identifier: GPL-3.0-or-later
// Standard sections: the cross-section of each family's outline, seen end on, with the letters
// of its table's columns (h, b, tw, tf, t, r1, r2).

#include "drafting.h"
#include "picture.h"

#include <cmath>
#include <numbers>

namespace pictures {

namespace {

// Section coordinates (x to the right, y up) placed on the picture at `origin`, one unit a pixel.
class Placement {
public:
    explicit Placement(QPointF origin) : m_origin(origin) {}
    QPointF operator()(double x, double y) const { return {m_origin.x() + x, m_origin.y() - y}; }

private:
    QPointF m_origin;
};

// Appends a quarter-round (or any arc) around `centre` from `fromDegrees` to `toDegrees`.
void Arc(QPolygonF& outline, const Placement& at, QPointF centre, double radius, double fromDegrees,
         double toDegrees) {
    constexpr int Steps = 8;
    for (int i = 0; i <= Steps; ++i) {
        const double angle = (fromDegrees + (toDegrees - fromDegrees) * i / Steps) * std::numbers::pi / 180;
        outline << at(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
}

void Body(Drawing& d, const QPolygonF& outline) {
    d.FillBody(outline);
    d.Edges(outline, true);
}

// A radius named by a thin leader from its label to the middle of its round.
void RadiusLabel(Drawing& d, const QString& label, QPointF onRound, QPointF labelCentre) {
    d.Thin(onRound, labelCentre + Unit(onRound - labelCentre) * 9);
    d.Label(label, labelCentre);
}

// I and H sections: h depth, b flange width, tw web, tf flange, r1 root radius.
void ISection(Drawing& d) {
    const double h = 118, b = 96, tw = 12, tf = 16, r = 12;
    const double w0 = (b - tw) / 2, w1 = (b + tw) / 2;
    const Placement at(QPointF(82, 138));
    QPolygonF outline;
    outline << at(0, 0) << at(b, 0) << at(b, tf);
    Arc(outline, at, {w1 + r, tf + r}, r, 270, 180);
    Arc(outline, at, {w1 + r, h - tf - r}, r, 180, 90);
    outline << at(b, h - tf) << at(b, h) << at(0, h) << at(0, h - tf);
    Arc(outline, at, {w0 - r, h - tf - r}, r, 90, 0);
    Arc(outline, at, {w0 - r, tf + r}, r, 0, -90);
    outline << at(0, tf);
    Body(d, outline);
    d.Dimension(at(0, h), at(0, 0), Left, 30, "h");
    d.Dimension(at(0, 0), at(b, 0), Down, 10, "b");
    d.Dimension(at(b, h), at(b, h - tf), Right, 12, "tf");
    const double y = h * 0.5;
    d.DimensionLine(at(w0, y), at(w1, y));
    d.Label("tw", d.LabelBeside("tw", at(w1 + 12, y), Right, 3));
    const double diagonal = r * (1 - std::sqrt(0.5));
    RadiusLabel(d, "r1", at(w1 + diagonal, h - tf - diagonal), at(w1 + 34, h - tf - 26));
}

// U sections: h depth, b flange width, tw web, tf flange (at half the flange width for a tapered
// flange), r1 root radius, r2 toe radius; `taper` is the slope of the flanges' inner faces.
void Channel(Drawing& d, double taper) {
    const double h = 118, b = 76, tw = 14, tf = 16, r1 = 12, r2 = taper > 0 ? 6 : 0;
    // Flange thickness at a distance x from the back of the web.
    const auto flange = [&](double x) { return tf + taper * (b / 2 - x); };
    const Placement at(QPointF(96, 138));
    QPolygonF outline;
    outline << at(0, 0) << at(b, 0);
    if (r2 > 0) {
        Arc(outline, at, {b - r2, flange(b) - r2}, r2, 0, 90);
    } else {
        outline << at(b, flange(b));
    }
    Arc(outline, at, {tw + r1, flange(tw) + r1}, r1, 270, 180);
    Arc(outline, at, {tw + r1, h - flange(tw) - r1}, r1, 180, 90);
    if (r2 > 0) {
        Arc(outline, at, {b - r2, h - flange(b) + r2}, r2, 270, 360);
    } else {
        outline << at(b, h - flange(b));
    }
    outline << at(b, h) << at(0, h);
    Body(d, outline);
    d.Dimension(at(0, h), at(0, 0), Left, 14, "h");
    d.Dimension(at(0, 0), at(b, 0), Down, 10, "b");
    d.Dimension(at(b / 2, h), at(b / 2, h - flange(b / 2)), Right, b / 2 + 12, "tf");
    const double y = h * 0.5;
    d.DimensionLine(at(0, y), at(tw, y));
    d.Label("tw", d.LabelBeside("tw", at(tw + 12, y), Right, 3));
    const double diagonal = r1 * (1 - std::sqrt(0.5));
    RadiusLabel(d, "r1", at(tw + diagonal, flange(tw) + diagonal), at(tw + 36, 40));
    if (r2 > 0) {
        RadiusLabel(d, "r2", at(b - 2, flange(b) - 2), at(b + 28, 44));
        d.Label(QString::fromLatin1("8%"), at(b * 0.62, h - 34));
    }
}

void TaperedChannel(Drawing& d) {
    Channel(d, 0.08);
}

void ParallelChannel(Drawing& d) {
    Channel(d, 0);
}

// Angles: h and b the outer legs, t the thickness, r1 root radius, r2 toe radius.
void Angle(Drawing& d) {
    const double h = 118, b = 110, t = 18, r1 = 12, r2 = 6;
    const Placement at(QPointF(86, 138));
    QPolygonF outline;
    outline << at(0, 0) << at(b, 0);
    Arc(outline, at, {b - r2, t - r2}, r2, 0, 90);
    Arc(outline, at, {t + r1, t + r1}, r1, 270, 180);
    Arc(outline, at, {t - r2, h - r2}, r2, 0, 90);
    outline << at(0, h);
    Body(d, outline);
    d.Dimension(at(0, h), at(0, 0), Left, 14, "h");
    d.Dimension(at(0, 0), at(b, 0), Down, 10, "b");
    const double y = h * 0.62;
    d.DimensionLine(at(0, y), at(t, y));
    d.Label("t", d.LabelBeside("t", at(t + 12, y), Right, 3));
    const double diagonal = r1 * (1 - std::sqrt(0.5));
    RadiusLabel(d, "r1", at(t + diagonal, t + diagonal), at(t + 40, t + 42));
    RadiusLabel(d, "r2", at(b - 2, t - 2), at(b + 22, t + 26));
}

// Tees cut from I sections: h depth, b flange width, tw stem, tf flange, r1 root radius.
void Tee(Drawing& d) {
    const double h = 118, b = 112, tw = 14, tf = 16, r = 12;
    const double w0 = (b - tw) / 2, w1 = (b + tw) / 2;
    const Placement at(QPointF(78, 148));
    QPolygonF outline;
    outline << at(w0, 0) << at(w1, 0);
    Arc(outline, at, {w1 + r, h - tf - r}, r, 180, 90);
    outline << at(b, h - tf) << at(b, h) << at(0, h) << at(0, h - tf);
    Arc(outline, at, {w0 - r, h - tf - r}, r, 90, 0);
    Body(d, outline);
    d.Dimension(at(0, h), at(w0, 0), Left, 14, "h");
    d.Dimension(at(0, h), at(b, h), Up, 10, "b");
    d.Dimension(at(b, h), at(b, h - tf), Right, 12, "tf");
    const double y = h * 0.3;
    d.DimensionLine(at(w0, y), at(w1, y));
    d.Label("tw", d.LabelBeside("tw", at(w1 + 12, y), Right, 3));
    const double diagonal = r * (1 - std::sqrt(0.5));
    RadiusLabel(d, "r1", at(w1 + diagonal, h - tf - diagonal), at(w1 + 34, h - tf - 30));
}

// Rectangular and square tubes: h and b outside, t the wall; the corner radii follow t.
void RectangularTube(Drawing& d) {
    const double h = 118, b = 96, t = 12, outside = 24, inside = 12;
    const Placement at(QPointF(82, 138));
    QPolygonF outer;
    Arc(outer, at, {b - outside, outside}, outside, 270, 360);
    Arc(outer, at, {b - outside, h - outside}, outside, 0, 90);
    Arc(outer, at, {outside, h - outside}, outside, 90, 180);
    Arc(outer, at, {outside, outside}, outside, 180, 270);
    QPolygonF inner;
    Arc(inner, at, {b - t - inside, t + inside}, inside, 270, 360);
    Arc(inner, at, {b - t - inside, h - t - inside}, inside, 0, 90);
    Arc(inner, at, {t + inside, h - t - inside}, inside, 90, 180);
    Arc(inner, at, {t + inside, t + inside}, inside, 180, 270);
    QPainterPath wall;
    wall.addPolygon(outer);
    wall.closeSubpath();
    wall.addPolygon(inner);
    wall.closeSubpath();
    d.FillBody(wall);
    d.Edges(outer, true);
    d.Edges(inner, true);
    d.Dimension(at(0, h), at(0, 0), Left, 14, "h");
    d.Dimension(at(0, 0), at(b, 0), Down, 10, "b");
    const double y = h * 0.5;
    d.DimensionLine(at(b - t, y), at(b, y));
    d.Label("t", d.LabelBeside("t", at(b + 12, y), Right, 3));
}

// Round tubes: D outside, t the wall.
void RoundTube(Drawing& d) {
    const double radius = 62, t = 12;
    const QPointF centre(128, 80);
    QPainterPath wall;
    wall.addEllipse(centre, radius, radius);
    wall.addEllipse(centre, radius - t, radius - t);
    d.FillBody(wall);
    d.Painter().setPen(QPen(QColor(vga::Black), Drawing::OutlineWidth));
    d.Painter().setBrush(Qt::NoBrush);
    d.Painter().drawEllipse(centre, radius, radius);
    d.Painter().drawEllipse(centre, radius - t, radius - t);
    d.Dimension(centre + QPointF(-radius, 0), centre + QPointF(radius, 0), Down, radius + 8, "D");
    d.CentreMark(centre);
    d.DimensionLine(centre + QPointF(radius - t, 0), centre + QPointF(radius, 0));
    d.Label("t", d.LabelBeside("t", centre + QPointF(radius + 12, 0), Right, 3));
}

} // namespace

std::vector<Picture> SectionPictures() {
    return {{"S301", DrawShape(ISection)},
            {"S302", DrawShape(ParallelChannel)},
            {"S303", DrawShape(TaperedChannel)},
            {"S304", DrawShape(Angle)},
            {"S305", DrawShape(RectangularTube)},
            {"S306", DrawShape(RoundTube)},
            {"S307", DrawShape(Tee)}};
}

} // namespace pictures
