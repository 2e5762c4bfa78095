// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_area.h"
#include "sections/section_family.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace volcalc::sections {

// The columns of the American tables, one layout per kind of shape, as the compilation they come
// from writes them: the customary and the metric designation, dimensions in millimetres, the area
// in mm² and in in², and the perimeter of the outline.
enum class AmericanLayout {
    Flanged, // designation,metric_designation,d_mm,bf_mm,tw_mm,tf_mm,kdes_mm,area_mm2,area_in2,perimeter_pb_mm
    Angle,   // designation,metric_designation,d_mm,b_mm,t_mm,kdes_mm,area_mm2,area_in2,perimeter_pb_mm
    RectangularHollow, // designation,metric_designation,Ht_mm,B_mm,tnom_mm,tdes_mm,area_mm2,area_in2,perimeter_pb_mm
    RoundHollow, // designation,metric_designation,OD_mm,tnom_mm,tdes_mm,area_mm2,area_in2,perimeter_pb_mm
    Pipe, // designation,metric_designation,OD_mm,ID_mm,tnom_mm,tdes_mm,area_mm2,area_in2,perimeter_pb_mm
};

// The layout whose header these fields are (ignoring case), or none.
std::optional<AmericanLayout> AmericanLayoutOf(const std::vector<std::string>& header);
std::size_t FieldCount(AmericanLayout layout);
TableColumns ColumnsOf(AmericanLayout layout);

struct AmericanRow {
    SectionDimensions Size;   // a flanged shape's or an angle's RootRadius is kdes less the flange
    double TabulatedArea = 0; // mm², the more precise of the two tabulated areas; 0 for none
    std::string MetricDesignation;
};

// Throws RowProblem for a row that cannot be used. The designations are the caller's to check.
AmericanRow ParseAmericanRow(const std::vector<std::string>& fields, AmericanLayout layout,
                             bool areaRequired);

// Of one area tabulated twice, in mm² and in in², each rounded to three significant figures, the
// one whose rounding weighs less, in mm²: 9.13 in² (±0.05%) rather than 5,890 mm² (±0.08%).
// An absent one (0) gives way to the other.
double MorePreciseArea(double squareMillimetres, double squareInches);

} // namespace volcalc::sections
