// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_area.h"

#include <optional>

namespace volcalc::sections {

// The length of the cross-section's outline in mm by the kind's rule: the painting surface per
// millimetre of length, following the fillets, tapers and corner radii that the kind's area
// follows; a tube's outside only. None for SectionKind::Tabulated, whose table tells no outline.
std::optional<double> SectionPerimeter(SectionKind kind, const SectionDimensions& size);

// How much shorter a round of `radius` makes the outline than the two straight faces it joins,
// meeting at `corner` radians (measured inside the space the round fills): the two tangent
// lengths less the arc.
double CornerShortening(double radius, double corner);

} // namespace volcalc::sections
