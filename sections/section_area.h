// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_family.h"

namespace volcalc::sections {

// Nominal dimensions in millimetres, as the tables give them. Flanged sections use H, B, Web,
// Flange, RootRadius and ToeRadius; angles H, B, Wall, RootRadius and ToeRadius; hollow sections
// H, B (both the outside diameter for a round tube) and Wall.
struct SectionDimensions {
    double H = 0;
    double B = 0;
    double Web = 0;
    double Flange = 0;
    double Wall = 0;
    double RootRadius = 0;
    double ToeRadius = 0;
    // The American tables also give a hollow section's design wall (0.93 of the nominal one, which
    // their areas use), and the perimeter of a rolled shape's whole outline ("PB"); 0 where not.
    double DesignWall = 0;
    double TabulatedPerimeter = 0;
};

// The flanges of tapered channels slope by 8% up to 300 mm deep; the deeper ones are tabulated as
// parallel-flanged, and their published areas follow that rule.
inline constexpr double ChannelTaper = 0.08;
inline constexpr double DeepestTaperedChannel = 300.0;

// The cross-section area in mm² by the kind's rule. Not for the kinds whose area is tabulated
// (returns 0).
double SectionArea(SectionKind kind, const SectionDimensions& size);

// Corner radii of a rectangular tube by the standard of its making, for its wall thickness.
struct CornerRadii {
    double Outside = 0;
    double Inside = 0;
};
CornerRadii HollowCornerRadii(SectionKind kind, double wall);

// Why a row's dimensions describe no section ("the flanges are deeper than the section"), or empty.
const char* ShapeProblem(TableColumns columns, const SectionDimensions& size);

} // namespace volcalc::sections
