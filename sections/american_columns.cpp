// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/american_columns.h"

#include "sections/table_fields.h"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

namespace volcalc::sections {
namespace {

constexpr double SquareInch = 645.16; // mm²

constexpr std::array<std::string_view, 10> FlangedHeader = {
    "designation", "metric_designation", "d_mm",     "bf_mm",          "tw_mm", "tf_mm",
    "kdes_mm",     "area_mm2",           "area_in2", "perimeter_pb_mm"};
constexpr std::array<std::string_view, 9> AngleHeader = {
    "designation", "metric_designation", "d_mm",     "b_mm",           "t_mm",
    "kdes_mm",     "area_mm2",           "area_in2", "perimeter_pb_mm"};
constexpr std::array<std::string_view, 9> RectangularHollowHeader = {
    "designation", "metric_designation", "ht_mm",    "b_mm",           "tnom_mm",
    "tdes_mm",     "area_mm2",           "area_in2", "perimeter_pb_mm"};
constexpr std::array<std::string_view, 8> RoundHollowHeader = {
    "designation", "metric_designation", "od_mm",    "tnom_mm",
    "tdes_mm",     "area_mm2",           "area_in2", "perimeter_pb_mm"};
constexpr std::array<std::string_view, 9> PipeHeader = {
    "designation", "metric_designation", "od_mm",    "id_mm",          "tnom_mm",
    "tdes_mm",     "area_mm2",           "area_in2", "perimeter_pb_mm"};

constexpr std::array<std::pair<AmericanLayout, std::span<const std::string_view>>, 5> Headers = {{
    {AmericanLayout::Flanged, FlangedHeader},
    {AmericanLayout::Angle, AngleHeader},
    {AmericanLayout::RectangularHollow, RectangularHollowHeader},
    {AmericanLayout::RoundHollow, RoundHollowHeader},
    {AmericanLayout::Pipe, PipeHeader},
}};

bool SameIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lower[i]) {
            return false;
        }
    }
    return true;
}

std::span<const std::string_view> HeaderOf(AmericanLayout layout) {
    for (const auto& [known, names] : Headers) {
        if (known == layout) {
            return names;
        }
    }
    return {};
}

// The leading digits as a number of 1 to 10: the larger, the smaller the share of the rounding.
double Mantissa(double value) {
    return value / std::pow(10.0, std::floor(std::log10(value)));
}

// Where the fillet between web and flange ends, measured from the flange's outer face.
double RootRadius(const std::string& kdes, double flange) {
    const double toe = Number(kdes, "kdes_mm");
    if (toe < flange) {
        throw RowProblem{"kdes is less than the flange thickness"};
    }
    return toe - flange;
}

void ReadHollow(const std::vector<std::string>& f, std::size_t wall, SectionDimensions& s) {
    s.Wall = Number(f[wall], "tnom_mm");
    s.DesignWall = Number(f[wall + 1], "tdes_mm");
    if (s.DesignWall > s.Wall) {
        throw RowProblem{"the design wall is thicker than the nominal one"};
    }
}

} // namespace

std::optional<AmericanLayout> AmericanLayoutOf(const std::vector<std::string>& header) {
    for (const auto& [layout, names] : Headers) {
        if (header.size() != names.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < names.size() && same; ++i) {
            same = SameIgnoringCase(header[i], names[i]);
        }
        if (same) {
            return layout;
        }
    }
    return std::nullopt;
}

std::size_t FieldCount(AmericanLayout layout) {
    return HeaderOf(layout).size();
}

TableColumns ColumnsOf(AmericanLayout layout) {
    switch (layout) {
    case AmericanLayout::Flanged:
        return TableColumns::Flanged;
    case AmericanLayout::Angle:
        return TableColumns::Angle;
    case AmericanLayout::RectangularHollow:
    case AmericanLayout::RoundHollow:
    case AmericanLayout::Pipe:
        break;
    }
    return TableColumns::Hollow;
}

AmericanRow ParseAmericanRow(const std::vector<std::string>& f, AmericanLayout layout, bool areaRequired) {
    AmericanRow row;
    row.MetricDesignation = f[1];
    SectionDimensions& s = row.Size;
    s.H = Number(f[2], HeaderOf(layout)[2]);
    switch (layout) {
    case AmericanLayout::Flanged:
        s.B = Number(f[3], "bf_mm");
        s.Web = Number(f[4], "tw_mm");
        s.Flange = Number(f[5], "tf_mm");
        s.RootRadius = RootRadius(f[6], s.Flange);
        break;
    case AmericanLayout::Angle:
        s.B = Number(f[3], "b_mm");
        s.Wall = Number(f[4], "t_mm");
        s.RootRadius = RootRadius(f[5], s.Wall);
        break;
    case AmericanLayout::RectangularHollow:
        s.B = Number(f[3], "B_mm");
        ReadHollow(f, 4, s);
        break;
    case AmericanLayout::RoundHollow:
        s.B = s.H;
        ReadHollow(f, 3, s);
        break;
    case AmericanLayout::Pipe:
        s.B = s.H;
        Number(f[3], "ID_mm", 0.0); // the nominal wall says the same, and is what the weights use
        ReadHollow(f, 4, s);
        break;
    }
    const std::size_t areas = f.size() - 3;
    const double squareMillimetres = Number(f[areas], "area_mm2", 0.0);
    const double squareInches = Number(f[areas + 1], "area_in2", 0.0);
    if (areaRequired && squareMillimetres == 0 && squareInches == 0) {
        throw RowProblem{"no value in column area_mm2 or area_in2"};
    }
    row.TabulatedArea = MorePreciseArea(squareMillimetres, squareInches);
    s.TabulatedPerimeter = Number(f[areas + 2], "perimeter_pb_mm", 0.0);
    if (const char* problem = ShapeProblem(ColumnsOf(layout), s)) {
        throw RowProblem{problem};
    }
    return row;
}

double MorePreciseArea(double squareMillimetres, double squareInches) {
    const double inches = squareInches * SquareInch;
    if (squareInches == 0) {
        return squareMillimetres;
    }
    if (squareMillimetres == 0) {
        return inches;
    }
    return Mantissa(squareInches) > Mantissa(squareMillimetres) ? inches : squareMillimetres;
}

} // namespace volcalc::sections
