// SPDX-License-Identifier: GPL-3.0-or-later
// The solids that come both as an object and as an aperture: the same drawing in two colourings.

#include "drafting.h"
#include "picture.h"

#include <cmath>
#include <numbers>

namespace pictures {

namespace {

constexpr double ObliqueAngle = 35;
constexpr double ObliqueRatio = 0.5;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

QPainterPath Closed(const QPolygonF& outline) {
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPolygonF Joined(std::initializer_list<QPolygonF> parts) {
    QPolygonF all;
    for (const auto& part : parts) {
        all << part;
    }
    return all;
}

// Box: a runs from the front face to the back, b across the front, c up the front.
void Box(Drawing& d) {
    const double a = 116;
    const double b = 124;
    const double c = 74;
    const Oblique view(QPointF(52, 128), ObliqueAngle, ObliqueRatio);
    d.Solid(Extrude({{0, 0}, {b, 0}, {b, c}, {0, c}}, a), view);
    const QPointF frontLeft = view({0, 0, 0});
    const QPointF frontRight = view({b, 0, 0});
    const QPointF backRight = view({b, 0, a});
    d.Dimension(frontLeft, frontRight, Down, 14, "b");
    d.Dimension(frontLeft, view({0, c, 0}), Left, 14, "c");
    d.Dimension(frontRight, backRight, Normal(frontRight - backRight), 12, "a");
}

// Cylinder lying on its side: a across the round end, b along the axis.
void Cylinder(Drawing& d) {
    const double rx = 20;
    const double ry = 47;
    const QPointF left(78, 82);
    const QPointF right(218, 82);
    d.FillBody(Joined({EllipseArc(left, rx, ry, 90, 270), EllipseArc(right, rx, ry, -90, 90)}));
    d.HiddenEdges(EllipseArc(right, rx, ry, 90, 270));
    d.Edges(EllipseArc(left, rx, ry, 0, 360), true);
    d.Edges(EllipseArc(right, rx, ry, -90, 90));
    const QPointF top = left + QPointF(0, -ry);
    const QPointF bottom = left + QPointF(0, ry);
    d.Edge(top, right + QPointF(0, -ry));
    d.Edge(bottom, right + QPointF(0, ry));
    d.Dimension(top, bottom, Left, rx + 16, "a");
    d.Dimension(bottom, right + QPointF(0, ry), Down, 14, "b");
}

// Pipe lying on its side, its open end towards the viewer: a across the outside, b across the bore,
// c along the axis.
void Pipe(Drawing& d) {
    const double rx = 20;
    const double ry = 47;
    const double boreRx = 12;
    const double boreRy = 28;
    const QPointF left(96, 82);
    const QPointF right(226, 82);
    d.FillBody(Joined({EllipseArc(left, rx, ry, 90, 270), EllipseArc(right, rx, ry, -90, 90)}));
    d.HiddenEdges(EllipseArc(right, rx, ry, 90, 270));
    d.Hidden(left + QPointF(0, -boreRy), right + QPointF(0, -boreRy));
    d.Hidden(left + QPointF(0, boreRy), right + QPointF(0, boreRy));
    d.HiddenEdges(EllipseArc(right, boreRx, boreRy, -90, 90));
    const QPainterPath bore = Closed(EllipseArc(left, boreRx, boreRy, 0, 360));
    d.Fill(bore, vga::Silver);
    d.Hatch(bore, vga::Grey, 5);
    d.Edges(EllipseArc(left, boreRx, boreRy, 0, 360), true);
    d.Edges(EllipseArc(left, rx, ry, 0, 360), true);
    d.Edges(EllipseArc(right, rx, ry, -90, 90));
    const QPointF top = left + QPointF(0, -ry);
    const QPointF bottom = left + QPointF(0, ry);
    d.Edge(top, right + QPointF(0, -ry));
    d.Edge(bottom, right + QPointF(0, ry));
    d.Dimension(top, bottom, Left, rx + 44, "a");
    d.Dimension(left + QPointF(0, -boreRy), left + QPointF(0, boreRy), Left, rx + 20, "b");
    d.Dimension(bottom, right + QPointF(0, ry), Down, 14, "c");
}

// Sphere: a is the diameter.
void Sphere(Drawing& d) {
    const QPointF centre(112, 86);
    const double r = 66;
    d.FillBody(EllipseArc(centre, r, r, 0, 360));
    d.HiddenEdges(EllipseArc(centre, r, r * 0.28, 0, 180));
    d.Painter().setPen(QPen(Qt::black, 1));
    d.Painter().drawPolyline(EllipseArc(centre, r, r * 0.28, 180, 360));
    d.Edges(EllipseArc(centre, r, r, 0, 360), true);
    d.CentreMark(centre);
    d.Dimension(centre + QPointF(0, -r), centre + QPointF(0, r), Right, r + 18, "a");
}

// Cap of a sphere resting on its flat face: the radius of the whole sphere is a, b the height.
void SphereCap(Drawing& d) {
    const QPointF centre(108, 100);
    const double r = 62;
    const double height = 40;
    const double cutAbove = r - height; // from the sphere's centre up to the flat face
    const double cutRadius = std::sqrt(r * r - cutAbove * cutAbove);
    const double flat = 0.27;
    const double edgeAngle = std::asin(cutAbove / r) * 180 / std::numbers::pi;
    const QPointF cutCentre = centre + QPointF(0, -cutAbove);

    d.FillBody(Joined({EllipseArc(centre, r, r, edgeAngle, 180 - edgeAngle),
                       EllipseArc(cutCentre, cutRadius, cutRadius * flat, 180, 360)}));
    d.HiddenEdges(EllipseArc(centre, r, r, 180 - edgeAngle, 360 + edgeAngle));
    d.HiddenEdges(EllipseArc(cutCentre, cutRadius, cutRadius * flat, 0, 180));
    d.Edges(EllipseArc(centre, r, r, edgeAngle, 180 - edgeAngle));
    d.Edges(EllipseArc(cutCentre, cutRadius, cutRadius * flat, 180, 360));

    // The radius runs from the centre of the whole sphere to its surface; the leader carries on
    // outside the piece to the label.
    const double toward = Radians(128);
    const QPointF along(std::cos(toward), -std::sin(toward));
    const QPointF onSurface = centre + along * r;
    const QPointF elbow = centre + along * (r + 14);
    d.CentreMark(centre);
    d.Thin(centre, elbow);
    d.Thin(elbow, elbow + QPointF(-10, 0));
    d.Arrow(onSurface, along);
    d.Label("R=a", d.LabelBeside("R=a", elbow + QPointF(-10, 0), Left, 3));

    const QPointF top = centre + QPointF(0, -r);
    const QPointF rim = cutCentre + QPointF(cutRadius, 0);
    d.Dimension(top, rim, Right, 16, "b");
}

// Cone standing on its base: a across the base, b from the base up to the tip.
void Cone(Drawing& d) {
    const QPointF base(110, 120);
    const double rx = 64;
    const double ry = 17;
    const double height = 104;
    const QPointF apex = base + QPointF(0, -height);
    // The sides touch the base where sin(t) = ry / height.
    const double t = std::asin(ry / height) * 180 / std::numbers::pi;
    QPolygonF outline = EllipseArc(base, rx, ry, 180 - t, 360 + t);
    outline << apex;
    d.FillBody(outline);
    d.HiddenEdges(EllipseArc(base, rx, ry, t, 180 - t));
    d.Hidden(apex, base);
    d.Edges(outline, true);
    d.RightAngle(base, Right, Up, 7);
    d.Dimension(base + QPointF(-rx, 0), base + QPointF(rx, 0), Down, ry + 12, "a");
    d.Dimension(apex, base + QPointF(rx, 0), Right, 14, "b");
}

// Frustum of a cone: a across the larger (lower) face, b across the smaller, c between them.
void Frustum(Drawing& d) {
    const QPointF lower(110, 122);
    const QPointF upper(110, 44);
    const double flat = 0.27;
    const double big = 66;
    const double small = 36;
    // The sides touch both faces at the same angle, found from the tip of the whole cone.
    const double tip = (lower.y() - upper.y()) * big / (big - small);
    const double t = std::asin(big * flat / tip) * 180 / std::numbers::pi;
    const QPolygonF lowerFront = EllipseArc(lower, big, big * flat, 180 - t, 360 + t);
    const QPolygonF upperBack = EllipseArc(upper, small, small * flat, t, 180 - t);
    d.FillBody(Joined({lowerFront, upperBack}));
    d.HiddenEdges(EllipseArc(lower, big, big * flat, t, 180 - t));
    d.Edges(Joined({lowerFront, upperBack}), true);
    d.Edges(EllipseArc(upper, small, small * flat, 0, 360), true);
    d.Dimension(lower + QPointF(-big, 0), lower + QPointF(big, 0), Down, big * flat + 12, "a");
    d.Dimension(upper + QPointF(-small, 0), upper + QPointF(small, 0), Up, small * flat + 10, "b");
    d.Dimension(upper + QPointF(small, 0), lower + QPointF(big, 0), Right, 14, "c");
}

// Prism over a right-angled triangle: legs a (across) and b (up), c from one end to the other.
void RightPrism(Drawing& d) {
    const double a = 104;
    const double b = 82;
    const double c = 124;
    const Oblique view(QPointF(62, 132), ObliqueAngle, ObliqueRatio);
    d.Solid(Extrude({{0, 0}, {a, 0}, {0, b}}, c), view);
    const QPointF corner = view({0, 0, 0});
    const QPointF end = view({a, 0, 0});
    d.RightAngle(corner, Right, Up, 9);
    d.Dimension(corner, end, Down, 14, "a");
    d.Dimension(corner, view({0, b, 0}), Left, 14, "b");
    d.Dimension(end, view({a, 0, c}), Normal(end - view({a, 0, c})), 12, "c");
}

// Prism over an isosceles triangle: base a, slanted side b, c from one end to the other.
void IsoscelesPrism(Drawing& d) {
    const double a = 112;
    const double h = 86;
    const double c = 124;
    const Oblique view(QPointF(52, 134), ObliqueAngle, ObliqueRatio);
    d.Solid(Extrude({{0, 0}, {a, 0}, {a / 2, h}}, c), view);
    const QPointF left = view({0, 0, 0});
    const QPointF right = view({a, 0, 0});
    const QPointF apex = view({a / 2, h, 0});
    d.Dimension(left, right, Down, 14, "a");
    d.Dimension(left, apex, Normal(apex - left), 12, "b");
    d.Dimension(right, view({a, 0, c}), Normal(right - view({a, 0, c})), 12, "c");
}

// Pyramid over a rectangle: a along the front edge of the base, b along its side, c the height.
void RectangularPyramid(Drawing& d) {
    const double a = 124;
    const double b = 112;
    const double c = 108;
    const Oblique view(QPointF(46, 142), ObliqueAngle, ObliqueRatio);
    const Vec3 apex{a / 2, c, b / 2};
    d.Solid(pictures::Pyramid({{0, 0, 0}, {a, 0, 0}, {a, 0, b}, {0, 0, b}}, apex), view);
    const QPointF centre = view({a / 2, 0, b / 2});
    const QPointF top = view(apex);
    d.Hidden(top, centre);
    const QPointF frontLeft = view({0, 0, 0});
    const QPointF frontRight = view({a, 0, 0});
    const QPointF backRight = view({a, 0, b});
    d.Dimension(frontLeft, frontRight, Down, 12, "a");
    d.Dimension(frontRight, backRight, Normal(frontRight - backRight), 12, "b");
    d.Arrow(top, top - centre);
    d.Arrow(centre, centre - top);
    d.Label("c", d.LabelBeside("c", top + (centre - top) * 0.45, Left, 5));
}

void Nothing(Drawing&) {}

} // namespace

std::vector<Picture> SolidPictures() {
    struct Twin {
        const char* object;
        const char* aperture;
        Sketch sketch;
    };
    const Twin twins[] = {
        {"P001", "P101", Box},
        {"P002", "P102", Cylinder},
        {"P003", "P103", RightPrism},
        {"P004", "P104", IsoscelesPrism},
        {"P005", "P105", Sphere},
        {"P006", "P106", SphereCap},
        {"P007", "P107", Cone},
        {"P008", "P108", Frustum},
        {"P009", "P109", RectangularPyramid},
    };
    std::vector<Picture> pictures;
    for (const auto& twin : twins) {
        pictures.push_back({twin.object, DrawShape(twin.sketch, ObjectColours)});
        pictures.push_back({twin.aperture, DrawShape(twin.sketch, ApertureColours)});
    }
    pictures.push_back({"P0025", DrawShape(Pipe, ObjectColours)});
    pictures.push_back({"ZERO", DrawShape(Nothing, ObjectColours)});
    return pictures;
}

} // namespace pictures
