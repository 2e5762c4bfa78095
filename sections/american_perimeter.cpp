// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/american_perimeter.h"

#include <numbers>

namespace volcalc::sections {
namespace {

constexpr double Pi = std::numbers::pi;

// A round of `radius` in a square corner, inside or outside, runs a quarter circle where the
// square corner ran two radii.
double SquareCornerSaving(double radius) {
    return (2.0 - Pi / 2.0) * radius;
}

} // namespace

double AmericanOutlinePerimeter(SectionKind kind, const SectionDimensions& s) {
    const double fillet = SquareCornerSaving(s.RootRadius);
    switch (kind) {
    case SectionKind::AmericanI:
        return 4.0 * s.B + 2.0 * s.H - 2.0 * s.Web - 4.0 * fillet;
    case SectionKind::AmericanChannel:
        return 4.0 * s.B + 2.0 * s.H - 2.0 * s.Web - 2.0 * fillet;
    case SectionKind::AmericanAngle:
        return 2.0 * (s.H + s.B) - fillet;
    case SectionKind::AmericanTee:
        return 2.0 * (s.H + s.B) - 2.0 * fillet;
    case SectionKind::AmericanHollow:
        return 2.0 * (s.H + s.B) - 4.0 * SquareCornerSaving(2.0 * s.DesignWall);
    case SectionKind::CircularHollow:
        return Pi * s.H;
    default:
        return 0.0;
    }
}

double AmericanPerimeter(SectionKind kind, const SectionDimensions& size) {
    const double outline = AmericanOutlinePerimeter(kind, size);
    return outline > 0 && size.TabulatedPerimeter > 0 ? size.TabulatedPerimeter : outline;
}

} // namespace volcalc::sections
