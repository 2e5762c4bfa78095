// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_text.h"

#include "calc/number_text.h"
#include "calc/number_writer.h"

#include <algorithm>
#include <cmath>

namespace volcalc::sections {

std::string AreaText(double squareMillimetres, char separator) {
    const double squareCentimetres = squareMillimetres / 100.0;
    const int magnitude =
        squareCentimetres > 0 ? static_cast<int>(std::floor(std::log10(squareCentimetres))) : 0;
    const int decimals = std::clamp(3 - magnitude, 2, 12);
    return WithDecimalSeparator(DoubleText(squareCentimetres, std::chars_format::fixed, decimals), separator);
}

std::string SurfacePerMetreText(double perimeterMillimetres, char separator) {
    const double squareMetres = perimeterMillimetres / 1000.0;
    const int magnitude = squareMetres > 0 ? static_cast<int>(std::floor(std::log10(squareMetres))) : 0;
    const int decimals = std::clamp(3 - magnitude, 3, 12);
    return WithDecimalSeparator(DoubleText(squareMetres, std::chars_format::fixed, decimals), separator);
}

std::string ListingLine(const SectionCatalogue& catalogue, const Section& section, char separator,
                        std::string_view designation) {
    const SectionFamily& family = catalogue.FamilyOf(section);
    return std::string(designation.empty() ? section.Designation : designation) + '\t' + family.Name + '\t' +
           family.Standard + '\t' + AreaText(section.Area, separator) + '\t' +
           (section.Perimeter ? SurfacePerMetreText(*section.Perimeter, separator) : std::string());
}

} // namespace volcalc::sections
