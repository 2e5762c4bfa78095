// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section.h"
#include "sections/section_catalogue.h"

#include <string>
#include <string_view>

namespace volcalc::sections {

// An area of mm² in cm², with at least four significant digits and at least two decimals
// ("7.638", "28.48", "145.74"), with the given decimal separator.
std::string AreaText(double squareMillimetres, char separator);

// "IPE 200\tIPE\tEN 10365\t28.48": the designation, family, standard and area in cm². The section
// is listed under `designation`, by default its own.
std::string ListingLine(const SectionCatalogue& catalogue, const Section& section, char separator,
                        std::string_view designation = {});

} // namespace volcalc::sections
