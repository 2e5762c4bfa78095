// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_area.h"

#include <cmath>
#include <numbers>

namespace volcalc::sections {
namespace {

constexpr double Pi = std::numbers::pi;

// Area between two straight faces meeting at `corner` radians (measured inside the space the round
// fills) and a circle of `radius` tangent to both: what a root fillet adds or a rounded toe takes.
double CornerFill(double radius, double corner) {
    return radius * radius * (1.0 / std::tan(corner / 2.0) - (Pi - corner) / 2.0);
}

double SquareCornerFill(double radius) {
    return CornerFill(radius, Pi / 2.0);
}

double IBeamArea(const SectionDimensions& s) {
    return 2.0 * s.B * s.Flange + (s.H - 2.0 * s.Flange) * s.Web + 4.0 * SquareCornerFill(s.RootRadius);
}

double ParallelChannelArea(const SectionDimensions& s) {
    return 2.0 * s.B * s.Flange + (s.H - 2.0 * s.Flange) * s.Web + 2.0 * SquareCornerFill(s.RootRadius) -
           2.0 * SquareCornerFill(s.ToeRadius);
}

// The nominal flange thickness is measured halfway across the flange from the back of the web, so
// over the free part of the flange (from the web's inner face to the tip) the mean thickness is
// less by half the taper times the web. The sloping inner face meets the web and the tip at
// 90° plus the slope angle, which makes both the root fillet and the rounded toe smaller.
double TaperedChannelArea(const SectionDimensions& s) {
    const double taper = s.H <= DeepestTaperedChannel ? ChannelTaper : 0.0;
    const double meanFlange = s.Flange - taper * s.Web / 2.0;
    const double corner = Pi / 2.0 + std::atan(taper);
    return s.H * s.Web + 2.0 * (s.B - s.Web) * meanFlange + 2.0 * CornerFill(s.RootRadius, corner) -
           2.0 * CornerFill(s.ToeRadius, corner);
}

double AngleArea(const SectionDimensions& s) {
    return s.Wall * (s.H + s.B - s.Wall) + SquareCornerFill(s.RootRadius) -
           2.0 * SquareCornerFill(s.ToeRadius);
}

double RectangularHollowArea(SectionKind kind, const SectionDimensions& s) {
    const CornerRadii radii = HollowCornerRadii(kind, s.Wall);
    return 2.0 * s.Wall * (s.H + s.B - 2.0 * s.Wall) -
           4.0 * (SquareCornerFill(radii.Outside) - SquareCornerFill(radii.Inside));
}

double CircularHollowArea(const SectionDimensions& s) {
    return Pi * s.Wall * (s.H - s.Wall);
}

} // namespace

CornerRadii HollowCornerRadii(SectionKind kind, double wall) {
    if (kind == SectionKind::HotFinishedHollow) {
        return {1.5 * wall, wall};
    }
    if (kind == SectionKind::AmericanHollow) {
        return {2.0 * wall, wall};
    }
    const double factor = wall <= 6.0 ? 2.0 : wall <= 10.0 ? 2.5 : 3.0;
    return {factor * wall, (factor - 1.0) * wall};
}

double SectionArea(SectionKind kind, const SectionDimensions& size) {
    switch (kind) {
    case SectionKind::IBeam:
        return IBeamArea(size);
    case SectionKind::ParallelChannel:
        return ParallelChannelArea(size);
    case SectionKind::TaperedChannel:
        return TaperedChannelArea(size);
    case SectionKind::Angle:
        return AngleArea(size);
    case SectionKind::HotFinishedHollow:
    case SectionKind::ColdFormedHollow:
    case SectionKind::AmericanHollow:
        return RectangularHollowArea(kind, size);
    case SectionKind::CircularHollow:
        return CircularHollowArea(size);
    case SectionKind::Tabulated:
    case SectionKind::AmericanI:
    case SectionKind::AmericanChannel:
    case SectionKind::AmericanAngle:
    case SectionKind::AmericanTee:
        break;
    }
    return 0.0;
}

const char* ShapeProblem(TableColumns columns, const SectionDimensions& s) {
    switch (columns) {
    case TableColumns::Flanged:
        if (2.0 * s.Flange >= s.H) {
            return "the flanges are as deep as the section";
        }
        if (s.Web >= s.B) {
            return "the web is as wide as the flanges";
        }
        break;
    case TableColumns::Angle:
        if (s.Wall >= s.H || s.Wall >= s.B) {
            return "the legs are no longer than they are thick";
        }
        break;
    case TableColumns::Hollow:
        if (2.0 * s.Wall >= s.H || 2.0 * s.Wall >= s.B) {
            return "the walls fill the tube";
        }
        break;
    }
    return nullptr;
}

} // namespace volcalc::sections
