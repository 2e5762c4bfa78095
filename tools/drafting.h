// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace pictures {

// Directions on the picture, whose y axis points down.
inline const QPointF Down(0, 1);
inline const QPointF Up(0, -1);
inline const QPointF Left(-1, 0);
inline const QPointF Right(1, 0);

// A point of the solid: x to the right, y up, z away from the viewer.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// Oblique parallel projection: the x-y plane keeps its true shape, the z axis is drawn at `angle`
// degrees above the horizontal and shortened by `ratio` (one half gives the cabinet view).
class Oblique {
public:
    Oblique(QPointF origin, double angleDegrees, double ratio);

    QPointF operator()(const Vec3& p) const;
    // Grows away from the viewer; points that land on the same pixel compare by it.
    double Depth(const Vec3& p) const;
    // Screen step of one unit along z.
    QPointF Axis() const { return {m_dx, -m_dy}; }

private:
    QPointF m_origin;
    double m_dx;
    double m_dy;
};

// A solid bounded by planar faces; each face lists its corners in order.
struct Polyhedron {
    std::vector<Vec3> vertices;
    std::vector<std::vector<int>> faces;
};

// The prism swept by `section` (x-y, y up) from z = 0 to z = length.
Polyhedron Extrude(const std::vector<QPointF>& section, double length);
// A pyramid over the polygon `base` (in order around it) with its tip at `apex`.
Polyhedron Pyramid(const std::vector<Vec3>& base, const Vec3& apex);

// Ground and body colours: objects are teal on silver, apertures silver on teal.
struct Scheme {
    QRgb ground;
    QRgb body;
};
inline constexpr Scheme ObjectColours{vga::Silver, vga::Teal};
inline constexpr Scheme ApertureColours{vga::Teal, vga::Silver};

QPointF Unit(QPointF v);
QPointF Normal(QPointF v); // v turned a quarter to the left on screen, unit length
// Points of an ellipse with axes along the screen axes; angles in degrees, 0 to the right, 90 up.
QPolygonF EllipseArc(QPointF centre, double rx, double ry, double fromDegrees, double toDegrees);

// A picture drawn the way a draughtsman would: filled body, outlines, dashed hidden edges and
// dimension lines, all without smoothing so that every pixel keeps one of the palette colours.
class Drawing {
public:
    static constexpr double OutlineWidth = 2;
    static constexpr double ArrowLength = 8;
    static constexpr double ArrowHalfWidth = 3;

    Drawing(int width, int height, Scheme scheme);
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    QPainter& Painter() { return m_painter; }
    const Scheme& Colours() const { return m_scheme; }

    void FillBody(const QPolygonF& shape);
    void FillBody(const QPainterPath& shape);
    void Fill(const QPainterPath& shape, QRgb colour);
    // Parallel lines at 45 degrees every `spacing` pixels, inside `area` only.
    void Hatch(const QPainterPath& area, QRgb colour, double spacing);

    void Edge(QPointF from, QPointF to);
    void Edges(const QPolygonF& polyline, bool closed = false);
    void Hidden(QPointF from, QPointF to);
    void HiddenEdges(const QPolygonF& polyline, bool closed = false);
    void Thin(QPointF from, QPointF to);

    // Fills every face, then draws the visible edges solid and the hidden ones dashed.
    void Solid(const Polyhedron& solid, const Oblique& view, bool showHidden = true);

    // A dimension of the distance from `from` to `to` (points on the solid) across `outward`: the
    // dimension line runs `offset` pixels beyond the outer of the two points, extension lines lead
    // to it, it has an arrow at each end and the label stands beyond its middle.
    void Dimension(QPointF from, QPointF to, QPointF outward, double offset, const QString& label);
    // Same, with the label centred at `labelCentre`.
    void Dimension(QPointF from, QPointF to, QPointF outward, double offset, const QString& label,
                   QPointF labelCentre);
    // A dimension line with no extension lines, its arrow tips on `from` and `to`. Short ones get
    // their arrows from outside, pointing inwards.
    void DimensionLine(QPointF from, QPointF to);
    void Arrow(QPointF tip, QPointF direction);
    void Label(const QString& text, QPointF centre);
    // Where a label goes when it stands `gap` pixels from `anchor` in the direction `outward`.
    QPointF LabelBeside(const QString& text, QPointF anchor, QPointF outward, double gap = 4) const;
    // Where the dimension line of Dimension() starts and ends.
    static std::pair<QPointF, QPointF> DimensionEnds(QPointF from, QPointF to, QPointF outward,
                                                     double offset);
    void RightAngle(QPointF corner, QPointF alongA, QPointF alongB, double size = 9);
    void CentreMark(QPointF at);

    // The finished picture, indexed over the sixteen-colour palette.
    QImage Finish();

private:
    QImage m_image;
    QPainter m_painter;
    Scheme m_scheme;
    QFont m_font;
};

// What draws one picture.
using Sketch = std::function<void(Drawing&)>;
// A shape picture, ShapeWidth by ShapeHeight, drawn by the sketch in the colours given.
QImage DrawShape(const Sketch& sketch, Scheme colours = ObjectColours);

} // namespace pictures
