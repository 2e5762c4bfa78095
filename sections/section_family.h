// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace volcalc::sections {

// Which cross-section rule gives a family's areas.
enum class SectionKind {
    IBeam,             // I and H sections: parallel flanges, four root fillets
    ParallelChannel,   // U with parallel flanges (UPE): two root fillets
    TaperedChannel,    // U with 8% tapered flanges (UPN): root fillets and rounded toes
    Angle,             // L: root fillet and two rounded toes
    HotFinishedHollow, // rectangular or square tube with the corner radii of hot-finished sections
    ColdFormedHollow,  // rectangular or square tube with the corner radii of cold-formed sections
    CircularHollow,    // round tube
    Tabulated,         // no rule: the table's own areas (a user's file that names no kind)
    // The American tables: rolled shapes take their tabulated area, as their nominal weights do.
    AmericanI,       // W, M, S and HP
    AmericanChannel, // C and MC
    AmericanAngle,   // L
    AmericanTee,     // WT, MT and ST, cut from W, M and S
    AmericanHollow,  // rectangular and square HSS: outside corner radius 2t, inside t
};

// Which columns a table has after the designation, and so which outline its picture shows.
enum class TableColumns {
    Flanged, // h, b, tw, tf, r1, r2, area_cm2
    Angle,   // h, b, t, r1, r2, area_cm2
    Hollow,  // h, b, t, area_cm2
};

struct SectionFamily {
    std::string Name;     // "IPE", "HEA", "Equal angles", or a user's file name
    std::string Standard; // "EN 10365", empty for a user's family that names none
    SectionKind Kind = SectionKind::Tabulated;
    TableColumns Columns = TableColumns::Flanged;
};

// The word a table uses for a kind on its "# kind:" line, and back.
std::string_view KindWord(SectionKind kind);
std::optional<SectionKind> KindFromWord(std::string_view word);

// The columns that a kind's rule reads.
TableColumns ColumnsOf(SectionKind kind);

// Whether the kind's areas are the table's own rather than worked out from the dimensions.
bool AreaIsTabulated(SectionKind kind);

} // namespace volcalc::sections
