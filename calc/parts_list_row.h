// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shape_rule.h"
#include "units.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

struct ShapeEntry;

// One calculation the ledger accepted, as every list and report shows it: computed once, by the
// ledger. Volumes in cubic metres and masses in kilograms, of one piece and of all pieces; an
// aperture's are negative.
struct PartsListRow {
    std::size_t Line = 0; // where it came from: a script line, a list's line, or a running number
    CalcGroup Group = CalcGroup::Object;
    // The shape's entry: one of the shape catalogue's, or a standard section's own, which outlives
    // every row made of it.
    const ShapeEntry* Shape = nullptr;
    LengthUnit Unit = DefaultLengthUnit;
    std::int32_t Quantity = 1;
    std::vector<std::string> Parameters; // as typed
    std::vector<double> Values;          // the parameters as read, in the length unit
    std::string Material;                // the material picked; empty for a density set by hand
    std::int32_t Density = 0;
    double PieceVolume = 0;
    double Volume = 0;
    double PieceMass = 0;
    double Mass = 0;
    std::optional<double> PricePerKg{}; // the material's price; none for a material without one
    std::optional<double> Cost{};       // RowCost of the row: what buying it costs, 0 for an aperture
    // Free texts of the person's: the part's name on the drawing ("C1") and a note. No calculation
    // reads them.
    std::string Mark{};
    std::string Note{};

    friend bool operator==(const PartsListRow&, const PartsListRow&) = default;
};

// How reports name a row's shape: its display name, or a standard section's designation.
std::string_view ShapeName(const PartsListRow& row);

// How reports name a row's material: its name, or "density N" for a density set by hand.
std::string MaterialLabel(const PartsListRow& row);

} // namespace volcalc
