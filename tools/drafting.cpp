// SPDX-License-Identifier: GPL-3.0-or-later
#include "drafting.h"

#include "picture.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <utility>

namespace pictures {

namespace {

constexpr double DegreesToRadians = std::numbers::pi / 180.0;

QPen SolidPen(double width) {
    QPen pen(QColor(vga::Black), width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPen DashedPen() {
    QPen pen(QColor(vga::Black), 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({4, 3});
    return pen;
}

QPen ThinPen() {
    QPen pen(QColor(vga::Black), 1);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

Vec3 Lerp(const Vec3& a, const Vec3& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// A face as seen on screen, with what is needed to find its depth under any pixel.
struct ProjectedFace {
    QPolygonF outline;
    Vec3 normal;
    double offset = 0; // normal . p for every point p of the face
    double denominator = 0;
};

} // namespace

Oblique::Oblique(QPointF origin, double angleDegrees, double ratio)
    : m_origin(origin), m_dx(ratio * std::cos(angleDegrees * DegreesToRadians)),
      m_dy(ratio * std::sin(angleDegrees * DegreesToRadians)) {}

QPointF Oblique::operator()(const Vec3& p) const {
    return {m_origin.x() + p.x + p.z * m_dx, m_origin.y() - p.y - p.z * m_dy};
}

double Oblique::Depth(const Vec3& p) const {
    return -m_dx * p.x - m_dy * p.y + p.z;
}

Polyhedron Extrude(const std::vector<QPointF>& section, double length) {
    Polyhedron solid;
    const int n = int(section.size());
    for (double z : {0.0, length}) {
        for (const QPointF& p : section) {
            solid.vertices.push_back({p.x(), p.y(), z});
        }
    }
    std::vector<int> front;
    std::vector<int> back;
    for (int i = 0; i < n; ++i) {
        front.push_back(i);
        back.push_back(2 * n - 1 - i);
        const int next = (i + 1) % n;
        solid.faces.push_back({i, next, n + next, n + i});
    }
    solid.faces.push_back(front);
    solid.faces.push_back(back);
    return solid;
}

Polyhedron Pyramid(const std::vector<Vec3>& base, const Vec3& apex) {
    Polyhedron solid;
    solid.vertices = base;
    solid.vertices.push_back(apex);
    const int n = int(base.size());
    std::vector<int> bottom;
    for (int i = 0; i < n; ++i) {
        bottom.push_back(i);
        solid.faces.push_back({i, (i + 1) % n, n});
    }
    solid.faces.push_back(bottom);
    return solid;
}

QPointF Unit(QPointF v) {
    const double length = Length(v);
    return length > 0 ? v / length : v;
}

QPointF Normal(QPointF v) {
    const QPointF u = Unit(v);
    return {u.y(), -u.x()};
}

QPolygonF EllipseArc(QPointF centre, double rx, double ry, double fromDegrees, double toDegrees) {
    const int steps = std::max(8, int(std::ceil(std::abs(toDegrees - fromDegrees) / 3.0)));
    QPolygonF points;
    for (int i = 0; i <= steps; ++i) {
        const double t = (fromDegrees + (toDegrees - fromDegrees) * i / steps) * DegreesToRadians;
        points << QPointF(centre.x() + rx * std::cos(t), centre.y() - ry * std::sin(t));
    }
    return points;
}

Drawing::Drawing(int width, int height, Scheme scheme)
    : m_image(width, height, QImage::Format_RGB32), m_scheme(scheme), m_font("DejaVu Sans") {
    m_image.fill(m_scheme.ground);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_font.setPixelSize(15);
    m_font.setBold(true);
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setHintingPreference(QFont::PreferFullHinting);
    m_painter.setFont(m_font);
}

void Drawing::FillBody(const QPolygonF& shape) {
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    Fill(path, m_scheme.body);
}

void Drawing::FillBody(const QPainterPath& shape) {
    Fill(shape, m_scheme.body);
}

void Drawing::Fill(const QPainterPath& shape, QRgb colour) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(colour));
    m_painter.drawPath(shape);
    m_painter.setBrush(Qt::NoBrush);
}

void Drawing::Hatch(const QPainterPath& area, QRgb colour, double spacing) {
    m_painter.save();
    m_painter.setClipPath(area);
    m_painter.setPen(QPen(QColor(colour), 1));
    const QRectF box = area.boundingRect();
    for (double c = box.left() - box.height(); c <= box.right(); c += spacing) {
        m_painter.drawLine(QPointF(c, box.bottom() + 1), QPointF(c + box.height() + 2, box.top() - 1));
    }
    m_painter.restore();
}

void Drawing::Edge(QPointF from, QPointF to) {
    m_painter.setPen(SolidPen(OutlineWidth));
    m_painter.drawLine(from, to);
}

void Drawing::Edges(const QPolygonF& polyline, bool closed) {
    m_painter.setPen(SolidPen(OutlineWidth));
    m_painter.setBrush(Qt::NoBrush);
    if (closed) {
        m_painter.drawPolygon(polyline);
    } else {
        m_painter.drawPolyline(polyline);
    }
}

void Drawing::Hidden(QPointF from, QPointF to) {
    m_painter.setPen(DashedPen());
    m_painter.drawLine(from, to);
}

void Drawing::HiddenEdges(const QPolygonF& polyline, bool closed) {
    m_painter.setPen(DashedPen());
    m_painter.setBrush(Qt::NoBrush);
    if (closed) {
        m_painter.drawPolygon(polyline);
    } else {
        m_painter.drawPolyline(polyline);
    }
}

void Drawing::Thin(QPointF from, QPointF to) {
    m_painter.setPen(ThinPen());
    m_painter.drawLine(from, to);
}

void Drawing::Solid(const Polyhedron& solid, const Oblique& view, bool showHidden) {
    // The depth test below needs the plane of every face; faces seen edge-on hide nothing.
    const QPointF axis = view.Axis();
    std::vector<ProjectedFace> faces;
    for (const auto& face : solid.faces) {
        ProjectedFace projected;
        Vec3 n;
        for (std::size_t i = 0; i < face.size(); ++i) {
            const Vec3& a = solid.vertices[std::size_t(face[i])];
            const Vec3& b = solid.vertices[std::size_t(face[(i + 1) % face.size()])];
            n.x += (a.y - b.y) * (a.z + b.z);
            n.y += (a.z - b.z) * (a.x + b.x);
            n.z += (a.x - b.x) * (a.y + b.y);
            projected.outline << view(a);
        }
        const Vec3& p = solid.vertices[std::size_t(face[0])];
        projected.normal = n;
        projected.offset = n.x * p.x + n.y * p.y + n.z * p.z;
        projected.denominator = n.z - n.x * axis.x() + n.y * axis.y();
        faces.push_back(projected);
    }

    for (const auto& face : faces) {
        FillBody(face.outline);
    }

    const QPointF origin = view(Vec3{});
    auto hiddenAt = [&](const Vec3& point) {
        const QPointF screen = view(point);
        const double depth = view.Depth(point);
        for (const auto& face : faces) {
            if (std::abs(face.denominator) < 1e-9 || !face.outline.containsPoint(screen, Qt::OddEvenFill)) {
                continue;
            }
            // The point of the face's plane that lands on `screen`.
            const double u = screen.x() - origin.x();
            const double v = origin.y() - screen.y();
            const Vec3& n = face.normal;
            const double z = (face.offset - n.x * u - n.y * v) / face.denominator;
            const Vec3 onFace{u - z * axis.x(), v + z * axis.y(), z};
            if (view.Depth(onFace) < depth - 1e-6 * (1 + std::abs(depth))) {
                return true;
            }
        }
        return false;
    };

    std::set<std::pair<int, int>> edges;
    for (const auto& face : solid.faces) {
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i];
            const int b = face[(i + 1) % face.size()];
            edges.insert({std::min(a, b), std::max(a, b)});
        }
    }
    struct Run {
        QPointF from;
        QPointF to;
    };
    std::vector<Run> visible;
    std::vector<Run> hidden;
    for (const auto& [ia, ib] : edges) {
        const Vec3& a = solid.vertices[std::size_t(ia)];
        const Vec3& b = solid.vertices[std::size_t(ib)];
        const int samples = std::max(4, int(std::ceil(Length(view(b) - view(a)) * 2)));
        double runStart = 0;
        bool runHidden = hiddenAt(Lerp(a, b, 0.5 / samples));
        for (int k = 1; k <= samples; ++k) {
            const bool last = k == samples;
            const bool state = last ? !runHidden : hiddenAt(Lerp(a, b, (k + 0.5) / samples));
            if (state != runHidden) {
                const double runEnd = double(k) / samples;
                Run run{view(Lerp(a, b, runStart)), view(Lerp(a, b, runEnd))};
                (runHidden ? hidden : visible).push_back(run);
                runStart = runEnd;
                runHidden = state;
            }
        }
    }
    if (showHidden) {
        for (const auto& run : hidden) {
            Hidden(run.from, run.to);
        }
    }
    for (const auto& run : visible) {
        Edge(run.from, run.to);
    }
}

void Drawing::Arrow(QPointF tip, QPointF direction) {
    const QPointF d = Unit(direction);
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * ArrowLength;
    QPolygonF head;
    head << tip << base + n * ArrowHalfWidth << base - n * ArrowHalfWidth;
    m_painter.setPen(ThinPen());
    m_painter.setBrush(QColor(vga::Black));
    m_painter.drawPolygon(head);
    m_painter.setBrush(Qt::NoBrush);
}

void Drawing::DimensionLine(QPointF from, QPointF to) {
    const QPointF d = Unit(to - from);
    if (Length(to - from) >= 2 * ArrowLength + 6) {
        Thin(from, to);
        Arrow(from, -d);
        Arrow(to, d);
    } else {
        const double tail = ArrowLength + 6;
        Thin(from - d * tail, to + d * tail);
        Arrow(from, d);
        Arrow(to, -d);
    }
}

void Drawing::Dimension(QPointF from, QPointF to, QPointF outward, double offset, const QString& label) {
    const QPointF n = Unit(outward);
    const auto [lineFrom, lineTo] = DimensionEnds(from, to, n, offset);
    Dimension(from, to, outward, offset, label, LabelBeside(label, (lineFrom + lineTo) / 2, n));
}

void Drawing::Dimension(QPointF from, QPointF to, QPointF outward, double offset, const QString& label,
                        QPointF labelCentre) {
    const QPointF n = Unit(outward);
    constexpr double Gap = 3;
    constexpr double Overshoot = 4;
    const auto [lineFrom, lineTo] = DimensionEnds(from, to, n, offset);
    Thin(from + n * Gap, lineFrom + n * Overshoot);
    Thin(to + n * Gap, lineTo + n * Overshoot);
    DimensionLine(lineFrom, lineTo);
    Label(label, labelCentre);
}

std::pair<QPointF, QPointF> Drawing::DimensionEnds(QPointF from, QPointF to, QPointF outward, double offset) {
    const QPointF n = Unit(outward);
    const double a = QPointF::dotProduct(from, n);
    const double b = QPointF::dotProduct(to, n);
    const double line = std::max(a, b) + offset;
    return {from + n * (line - a), to + n * (line - b)};
}

QPointF Drawing::LabelBeside(const QString& text, QPointF anchor, QPointF outward, double gap) const {
    const QRectF box = QFontMetricsF(m_font).tightBoundingRect(text);
    const QPointF n = Unit(outward);
    return anchor + n * (gap + std::abs(n.x()) * box.width() / 2 + std::abs(n.y()) * box.height() / 2);
}

void Drawing::Label(const QString& text, QPointF centre) {
    const QRectF box = QFontMetricsF(m_font).tightBoundingRect(text);
    const QPointF baseline = centre - box.center();
    m_painter.setPen(QColor(vga::Black));
    m_painter.drawText(QPointF(std::round(baseline.x()), std::round(baseline.y())), text);
}

void Drawing::RightAngle(QPointF corner, QPointF alongA, QPointF alongB, double size) {
    const QPointF a = Unit(alongA) * size;
    const QPointF b = Unit(alongB) * size;
    Thin(corner + a, corner + a + b);
    Thin(corner + a + b, corner + b);
}

void Drawing::CentreMark(QPointF at) {
    Thin(at - QPointF(4, 0), at + QPointF(4, 0));
    Thin(at - QPointF(0, 4), at + QPointF(0, 4));
}

QImage Drawing::Finish() {
    m_painter.end();
    QList<QRgb> palette(vga::Palette.begin(), vga::Palette.end());
    return ToIndexed(m_image, palette);
}

QImage DrawShape(const Sketch& sketch, Scheme colours) {
    Drawing drawing(ShapeWidth, ShapeHeight, colours);
    sketch(drawing);
    return drawing.Finish();
}

} // namespace pictures
