// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_area.h"
#include "sections/section_family.h"

namespace volcalc::sections {

// The outer perimeter in millimetres of a section of the American tables: what a coat covers per
// millimetre of its length, the ends left out. The tabulated perimeter (PB) where the row gives one;
// otherwise the outline of its dimensions: rectangular HSS with outside corners of 2 × the design
// wall, round HSS and Pipe their circumference, and the tees (whose rows give none) their outline
// with the root fillets that kdes implies. 0 for a kind of no American table.
double AmericanPerimeter(SectionKind kind, const SectionDimensions& size);

// The outline alone, as AmericanPerimeter gives it where the row has no tabulated perimeter.
double AmericanOutlinePerimeter(SectionKind kind, const SectionDimensions& size);

} // namespace volcalc::sections
