// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/shipped_tables.h"

#include <algorithm>
#include <array>

namespace volcalc::sections {
namespace {

using K = SectionKind;

constexpr std::array<ShippedTable, 28> Tables = {{
    {"en10365_ipe.csv", "IPE", "EN 10365", K::IBeam},
    {"en10365_hea.csv", "HEA", "EN 10365", K::IBeam},
    {"en10365_heb.csv", "HEB", "EN 10365", K::IBeam},
    {"en10365_hem.csv", "HEM", "EN 10365", K::IBeam},
    {"en10365_he_other.csv", "HEAA, HEC and heavy HE", "EN 10365", K::IBeam},
    {"en10365_upn.csv", "UPN", "EN 10365", K::TaperedChannel},
    {"en10365_upe.csv", "UPE", "EN 10365", K::ParallelChannel},
    {"en10056_equal_angles.csv", "Equal angles", "EN 10056-1", K::Angle},
    {"en10056_unequal_angles.csv", "Unequal angles", "EN 10056-1", K::Angle},
    {"en10210_chs.csv", "CHS hot-finished", "EN 10210-2", K::CircularHollow},
    {"en10210_shs.csv", "SHS hot-finished", "EN 10210-2", K::HotFinishedHollow},
    {"en10210_rhs.csv", "RHS hot-finished", "EN 10210-2", K::HotFinishedHollow},
    {"en10219_chs.csv", "CHS cold-formed", "EN 10219-2", K::CircularHollow},
    {"en10219_shs.csv", "SHS cold-formed", "EN 10219-2", K::ColdFormedHollow},
    {"en10219_rhs.csv", "RHS cold-formed", "EN 10219-2", K::ColdFormedHollow},
    {"aisc_w.csv", "W shapes", "AISC v15.0", K::AmericanI},
    {"aisc_m.csv", "M shapes", "AISC v15.0", K::AmericanI},
    {"aisc_s.csv", "S shapes", "AISC v15.0", K::AmericanI},
    {"aisc_hp.csv", "HP shapes", "AISC v15.0", K::AmericanI},
    {"aisc_c.csv", "C channels", "AISC v15.0", K::AmericanChannel},
    {"aisc_mc.csv", "MC channels", "AISC v15.0", K::AmericanChannel},
    {"aisc_l.csv", "L angles", "AISC v15.0", K::AmericanAngle},
    {"aisc_wt.csv", "WT tees", "AISC v15.0", K::AmericanTee},
    {"aisc_mt.csv", "MT tees", "AISC v15.0", K::AmericanTee},
    {"aisc_st.csv", "ST tees", "AISC v15.0", K::AmericanTee},
    {"aisc_hss_rect.csv", "HSS rectangular", "AISC v15.0", K::AmericanHollow},
    {"aisc_hss_round.csv", "HSS round", "AISC v15.0", K::CircularHollow},
    {"aisc_pipe.csv", "Pipe", "AISC v15.0", K::CircularHollow},
}};

constexpr std::array<std::string_view, 14> TabulatedAreas = {
    "IPE AA 120",   "L 75x75x8",    "L 250x250x31", "L 300x300x25", "L 300x300x26",
    "L 300x300x27", "L 300x300x28", "L 300x300x29", "L 300x300x30", "L 300x300x31",
    "L 300x300x32", "L 300x300x33", "L 300x300x34", "L 300x300x35",
};

// S24X90's tabulated perimeter, 18,400 mm, is ten times its neighbours'.
constexpr std::array<std::string_view, 1> OutlinePerimeters = {"S24X90"};

} // namespace

std::span<const ShippedTable> ShippedTables() {
    return Tables;
}

const ShippedTable* FindShippedTable(std::string_view fileName) {
    const auto found =
        std::find_if(Tables.begin(), Tables.end(), [&](const ShippedTable& t) { return t.File == fileName; });
    return found == Tables.end() ? nullptr : &*found;
}

bool UsesTabulatedArea(std::string_view designation) {
    return std::find(TabulatedAreas.begin(), TabulatedAreas.end(), designation) != TabulatedAreas.end();
}

std::span<const std::string_view> TabulatedAreaSizes() {
    return TabulatedAreas;
}

bool UsesOutlinePerimeter(std::string_view designation) {
    return std::find(OutlinePerimeters.begin(), OutlinePerimeters.end(), designation) !=
           OutlinePerimeters.end();
}

std::span<const std::string_view> OutlinePerimeterSizes() {
    return OutlinePerimeters;
}

} // namespace volcalc::sections
