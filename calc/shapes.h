// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ledger.h"

#include <array>
#include <span>
#include <string_view>

namespace volcalc {

struct ShapeParameter {
    std::string_view Letter;      // "a" ... "d" or "Length"
    std::string_view Label;       // text in front of the field
    std::string_view Description; // what the letter measures on the solid, e.g. "external diameter"
};

struct ShapeEntry {
    std::string_view DisplayName;
    std::string_view Picture;
    std::span<const ShapeParameter> Parameters;
    const ShapeRule* Rule = nullptr; // none for "None"
    std::string_view Description;    // the solid in a few words, e.g. "a round cylinder"
};

extern const std::array<ShapeEntry, 15> ObjectShapes;
extern const std::array<ShapeEntry, 10> ApertureShapes;

std::span<const ShapeEntry> ShapesOf(CalcGroup group);

// The label without its trailing " =": "Length (a)", "a", "Length".
std::string_view LabelCaption(const ShapeParameter& parameter);

// Exact, case-sensitive search of the group's list; nullptr when nothing matches.
const ShapeEntry* FindShape(CalcGroup group, std::string_view name);

} // namespace volcalc
