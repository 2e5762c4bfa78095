// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_library.h"
#include "sections/section_perimeter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace volcalc::sections {
namespace {

constexpr double Pi = std::numbers::pi;

const SectionCatalogue& Shipped() {
    static const SectionCatalogue catalogue =
        LoadSectionCatalogue({std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", {}});
    return catalogue;
}

struct Point {
    double X = 0;
    double Y = 0;
};

// A sharp corner of the drawing and the radius that rounds it (0: left sharp).
struct Corner {
    Point At;
    double Radius = 0;
};

// The drawing with each rounded corner replaced by a fine polyline along its arc: the circle of
// the corner's radius tangent to both edges, found from the edges alone.
std::vector<Point> Rounded(const std::vector<Corner>& corners) {
    std::vector<Point> outline;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point v = corners[i].At;
        const double r = corners[i].Radius;
        if (r == 0) {
            outline.push_back(v);
            continue;
        }
        const Point p = corners[(i + n - 1) % n].At, q = corners[(i + 1) % n].At;
        const double lp = std::hypot(p.X - v.X, p.Y - v.Y), lq = std::hypot(q.X - v.X, q.Y - v.Y);
        const Point u{(p.X - v.X) / lp, (p.Y - v.Y) / lp}, w{(q.X - v.X) / lq, (q.Y - v.Y) / lq};
        const double angle = std::acos(u.X * w.X + u.Y * w.Y);
        const double tangent = r / std::tan(angle / 2);
        const double toCentre = r / std::sin(angle / 2);
        const double bx = u.X + w.X, by = u.Y + w.Y, bl = std::hypot(bx, by);
        const Point centre{v.X + bx / bl * toCentre, v.Y + by / bl * toCentre};
        const Point from{v.X + u.X * tangent, v.Y + u.Y * tangent},
            to{v.X + w.X * tangent, v.Y + w.Y * tangent};
        const double start = std::atan2(from.Y - centre.Y, from.X - centre.X);
        double sweep = std::atan2(to.Y - centre.Y, to.X - centre.X) - start;
        sweep = std::remainder(sweep, 2 * Pi); // the short way round: the arc between the tangents
        constexpr int Steps = 400;
        for (int k = 0; k <= Steps; ++k) {
            const double a = start + sweep * k / Steps;
            outline.push_back({centre.X + r * std::cos(a), centre.Y + r * std::sin(a)});
        }
    }
    return outline;
}

double Length(const std::vector<Point>& outline) {
    double length = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i], b = outline[(i + 1) % outline.size()];
        length += std::hypot(b.X - a.X, b.Y - a.Y);
    }
    return length;
}

double Enclosed(const std::vector<Point>& outline) {
    double twice = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i], b = outline[(i + 1) % outline.size()];
        twice += a.X * b.Y - b.X * a.Y;
    }
    return std::abs(twice) / 2;
}

// The outline and the enclosed area of a size, drawn from the standards' pictures of each kind.
struct Drawing {
    double Perimeter = 0;
    double Area = 0;
};

Drawing Flanged(SectionKind kind, const SectionDimensions& s) {
    const double h = s.H, b = s.B, tw = s.Web, r1 = s.RootRadius, r2 = s.ToeRadius;
    std::vector<Corner> corners;
    if (kind == SectionKind::IBeam) {
        const double tf = s.Flange, x1 = (b - tw) / 2, x2 = (b + tw) / 2;
        corners = {{{0, 0}}, {{b, 0}}, {{b, tf}},     {{x2, tf}, r1},     {{x2, h - tf}, r1}, {{b, h - tf}},
                   {{b, h}}, {{0, h}}, {{0, h - tf}}, {{x1, h - tf}, r1}, {{x1, tf}, r1},     {{0, tf}}};
    } else {
        // A channel's flange is tf thick halfway across, thinning towards the tip by the taper.
        const double taper =
            kind == SectionKind::TaperedChannel && h <= DeepestTaperedChannel ? ChannelTaper : 0;
        const double tip = s.Flange - taper * b / 2, root = s.Flange + taper * (b / 2 - tw);
        corners = {{{0, 0}},           {{b, 0}}, {{b, tip}, r2}, {{tw, root}, r1}, {{tw, h - root}, r1},
                   {{b, h - tip}, r2}, {{b, h}}, {{0, h}}};
    }
    const std::vector<Point> outline = Rounded(corners);
    return {Length(outline), Enclosed(outline)};
}

// Where a toe's radius is larger than the leg is thick (L 45x45x3, L 65x65x4, L 75x75x4 and
// L 90x90x5), the quarter round reaches past the leg's outer face: the drawing runs out along the
// tip's line and back, which encloses nothing and is no surface; the standard's area, and so the
// rule, still take the whole quarter round.
Drawing AngleDrawing(const SectionDimensions& s) {
    const double h = s.H, b = s.B, t = s.Wall;
    const std::vector<Point> outline = Rounded(
        {{{0, 0}}, {{b, 0}}, {{b, t}, s.ToeRadius}, {{t, t}, s.RootRadius}, {{t, h}, s.ToeRadius}, {{0, h}}});
    const double spurs = 2 * 2 * std::max(0.0, s.ToeRadius - t);
    return {Length(outline) - spurs, Enclosed(outline)};
}

std::vector<Point> Rectangle(double x, double y, double width, double height, double radius) {
    return Rounded({{{x, y}, radius},
                    {{x + width, y}, radius},
                    {{x + width, y + height}, radius},
                    {{x, y + height}, radius}});
}

Drawing Tube(SectionKind kind, const SectionDimensions& s) {
    const double t = s.Wall;
    if (kind == SectionKind::CircularHollow) {
        std::vector<Point> outside, inside;
        for (int k = 0; k < 4000; ++k) {
            const double a = 2 * Pi * k / 4000;
            outside.push_back({s.H / 2 * std::cos(a), s.H / 2 * std::sin(a)});
            inside.push_back({(s.H / 2 - t) * std::cos(a), (s.H / 2 - t) * std::sin(a)});
        }
        return {Length(outside), Enclosed(outside) - Enclosed(inside)};
    }
    const CornerRadii radii = HollowCornerRadii(kind, t);
    const std::vector<Point> outside = Rectangle(0, 0, s.B, s.H, radii.Outside);
    const std::vector<Point> inside = Rectangle(t, t, s.B - 2 * t, s.H - 2 * t, radii.Inside);
    return {Length(outside), Enclosed(outside) - Enclosed(inside)};
}

Drawing DrawingOf(SectionKind kind, const SectionDimensions& size) {
    switch (kind) {
    case SectionKind::Angle:
        return AngleDrawing(size);
    case SectionKind::HotFinishedHollow:
    case SectionKind::ColdFormedHollow:
    case SectionKind::CircularHollow:
        return Tube(kind, size);
    default:
        return Flanged(kind, size);
    }
}

// Every shipped row: the rule's outline is the drawing's, and the drawing encloses the area the
// kind's rule gives, so the surface follows the very outline the mass does.
TEST(ShippedPerimeters, EveryRowIsTheOutlineThatItsAreaFollows) {
    std::size_t checked = 0;
    for (const Section& section : Shipped().Sections()) {
        if (Shipped().FamilyOf(section).Standard.starts_with("AISC")) {
            continue; // their own test: american_sections_test.cpp
        }
        const SectionKind kind = Shipped().FamilyOf(section).Kind;
        ASSERT_TRUE(section.Perimeter.has_value()) << section.Designation;
        const Drawing drawing = DrawingOf(kind, section.Size);
        EXPECT_NEAR(*section.Perimeter, drawing.Perimeter, 1e-6 * drawing.Perimeter) << section.Designation;
        EXPECT_NEAR(SectionArea(kind, section.Size), drawing.Area, 1e-6 * drawing.Area)
            << section.Designation;
        ++checked;
    }
    EXPECT_EQ(checked, 1179u);
}

struct Published {
    const char* Designation;
    double SquareMetresPerMetre; // the painting surface as the steel tables print it
};

// Painting surfaces as the producers' tables of EN 10365 sections print them, to three
// significant figures.
const Published PaintingSurfaces[] = {
    {"IPE 80", 0.328},  {"IPE 100", 0.400}, {"IPE 120", 0.475}, {"IPE 140", 0.551}, {"IPE 160", 0.623},
    {"IPE 180", 0.698}, {"IPE 200", 0.768}, {"IPE 220", 0.848}, {"IPE 240", 0.922}, {"IPE 270", 1.041},
    {"IPE 300", 1.160}, {"IPE 330", 1.254}, {"IPE 360", 1.353}, {"IPE 400", 1.467}, {"IPE 450", 1.605},
    {"IPE 500", 1.744}, {"IPE 550", 1.877}, {"IPE 600", 2.015}, {"HEA 100", 0.561}, {"HEA 120", 0.677},
    {"HEA 140", 0.794}, {"HEA 160", 0.906}, {"HEA 180", 1.02},  {"HEA 200", 1.14},  {"HEA 220", 1.26},
    {"HEA 240", 1.37},  {"HEA 260", 1.48},  {"HEA 280", 1.60},  {"HEA 300", 1.72},  {"HEA 320", 1.76},
    {"HEA 340", 1.79},  {"HEA 360", 1.83},  {"HEA 400", 1.91},  {"HEA 450", 2.01},  {"HEA 500", 2.11},
    {"HEA 550", 2.21},  {"HEA 600", 2.31},  {"HEA 650", 2.41},  {"HEA 700", 2.50},  {"HEA 800", 2.70},
    {"HEA 900", 2.90},  {"HEA 1000", 3.10}, {"HEB 100", 0.567}, {"HEB 120", 0.686}, {"HEB 140", 0.805},
    {"HEB 160", 0.918}, {"HEB 180", 1.04},  {"HEB 200", 1.15},  {"HEB 220", 1.27},  {"HEB 240", 1.38},
    {"HEB 260", 1.50},  {"HEB 280", 1.62},  {"HEB 300", 1.73},  {"HEB 320", 1.77},  {"HEB 340", 1.81},
    {"HEB 360", 1.85},  {"HEB 400", 1.93},  {"HEB 450", 2.03},  {"HEB 500", 2.12},  {"HEB 550", 2.22},
    {"HEB 600", 2.32},  {"HEB 650", 2.42},  {"HEB 700", 2.52},  {"HEB 800", 2.71},  {"HEB 900", 2.91},
    {"HEB 1000", 3.11}, {"HEM 100", 0.619}, {"HEM 120", 0.738}, {"HEM 140", 0.857}, {"HEM 160", 0.970},
    {"HEM 180", 1.09},  {"HEM 200", 1.20},  {"HEM 220", 1.32},  {"HEM 240", 1.46},  {"HEM 260", 1.57},
    {"HEM 280", 1.69},  {"HEM 300", 1.83},  {"HEM 320", 1.87},  {"HEM 340", 1.90},  {"HEM 360", 1.93},
    {"HEM 400", 2.00},  {"HEM 450", 2.10},  {"HEM 500", 2.18},  {"HEM 550", 2.28},  {"HEM 600", 2.37},
    {"HEM 650", 2.47},  {"HEM 700", 2.56},  {"HEM 800", 2.75},  {"HEM 900", 2.93},  {"HEM 1000", 3.13},
    {"UPE 80", 0.343},  {"UPE 100", 0.402}, {"UPE 120", 0.460}, {"UPE 140", 0.520}, {"UPE 160", 0.579},
    {"UPE 180", 0.639}, {"UPE 200", 0.697}, {"UPE 220", 0.757}, {"UPE 240", 0.815}, {"UPE 400", 1.22},
};

// Within the rounding of three significant figures: 0.5%.
TEST(ShippedPerimeters, AgreeWithPublishedPaintingSurfaces) {
    for (const Published& published : PaintingSurfaces) {
        const Section* section = Shipped().Find(published.Designation);
        ASSERT_NE(section, nullptr) << published.Designation;
        const double perMetre = *section->Perimeter / 1000;
        EXPECT_NEAR(perMetre, published.SquareMetresPerMetre, 0.005 * published.SquareMetresPerMetre)
            << published.Designation;
    }
}

} // namespace
} // namespace volcalc::sections
