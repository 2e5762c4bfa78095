// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_perimeter.h"

#include "sections/american_perimeter.h"

#include <cmath>
#include <numbers>

namespace volcalc::sections {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double SquareCorner = Pi / 2.0;

// Flange faces: each flange has an outer face b wide and an inner face whose web share is gone,
// so an I and a U of square corners have the same outline, 2h + 4b − 2tw.
double FlangedOutline(const SectionDimensions& s) {
    return 2.0 * s.H + 4.0 * s.B - 2.0 * s.Web;
}

double IBeamPerimeter(const SectionDimensions& s) {
    return FlangedOutline(s) - 4.0 * CornerShortening(s.RootRadius, SquareCorner);
}

double ParallelChannelPerimeter(const SectionDimensions& s) {
    return FlangedOutline(s) - 2.0 * CornerShortening(s.RootRadius, SquareCorner) -
           2.0 * CornerShortening(s.ToeRadius, SquareCorner);
}

// The inner face of each flange slopes from the root to the tip: it is longer than its run
// (b − tw) by the factor √(1 + s²), and the flange is thinner at the tip and thicker at the web
// than its nominal thickness, which takes s·(b − tw) from the tip and the web's inner face
// together. The rounds meet the faces at 90° plus the slope angle, as the area's do.
double TaperedChannelPerimeter(const SectionDimensions& s) {
    const double taper = s.H <= DeepestTaperedChannel ? ChannelTaper : 0.0;
    const double run = s.B - s.Web;
    const double corner = SquareCorner + std::atan(taper);
    return 2.0 * s.H + 2.0 * s.B + 2.0 * run * (std::sqrt(1.0 + taper * taper) - taper) -
           2.0 * CornerShortening(s.RootRadius, corner) - 2.0 * CornerShortening(s.ToeRadius, corner);
}

// The inner faces and the two tips are as long as the outer faces.
double AnglePerimeter(const SectionDimensions& s) {
    return 2.0 * (s.H + s.B) - CornerShortening(s.RootRadius, SquareCorner) -
           2.0 * CornerShortening(s.ToeRadius, SquareCorner);
}

double RectangularHollowPerimeter(SectionKind kind, const SectionDimensions& s) {
    return 2.0 * (s.H + s.B) - 4.0 * CornerShortening(HollowCornerRadii(kind, s.Wall).Outside, SquareCorner);
}

} // namespace

double CornerShortening(double radius, double corner) {
    return radius * (2.0 / std::tan(corner / 2.0) - (Pi - corner));
}

std::optional<double> SectionPerimeter(SectionKind kind, const SectionDimensions& size) {
    switch (kind) {
    case SectionKind::IBeam:
        return IBeamPerimeter(size);
    case SectionKind::ParallelChannel:
        return ParallelChannelPerimeter(size);
    case SectionKind::TaperedChannel:
        return TaperedChannelPerimeter(size);
    case SectionKind::Angle:
        return AnglePerimeter(size);
    case SectionKind::HotFinishedHollow:
    case SectionKind::ColdFormedHollow:
        return RectangularHollowPerimeter(kind, size);
    case SectionKind::CircularHollow:
        return Pi * size.H;
    case SectionKind::AmericanI:
    case SectionKind::AmericanChannel:
    case SectionKind::AmericanAngle:
    case SectionKind::AmericanTee:
    case SectionKind::AmericanHollow:
        return AmericanPerimeter(kind, size);
    case SectionKind::Tabulated:
        break;
    }
    return std::nullopt;
}

} // namespace volcalc::sections
