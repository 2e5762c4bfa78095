// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shape_rule.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace volcalc {

struct ShapeParameter {
    std::string_view Letter;      // "a" ... "d" or "Length"
    std::string_view Label;       // text in front of the field
    std::string_view Description; // what the letter measures on the solid, e.g. "external diameter"
};

// How a shape's parameter panel places its labels and fields (the window turns each into pixels):
// one column with short labels, one with long labels, one with bare letters; a bar, its
// cross-section above a line and its length below; a profile, its four cross-section parameters
// in two columns above the line.
enum class PanelKind { Column, ColumnLongLabels, ColumnLetters, Bar, Profile };

// Everything the program knows of a shape; every front end and the order read it from here.
struct ShapeEntry {
    std::string_view DisplayName;
    std::string_view Picture;
    std::span<const ShapeParameter> Parameters;
    const ShapeRule* Rule = nullptr; // none for "None"
    std::string_view Description;    // the solid in a few words, e.g. "a round cylinder"
    PanelKind Panel = PanelKind::Column;
    // The parameter a piece is cut to from a stock bar; the others are its cross-section. None for
    // a shape not cut from bars.
    std::optional<std::size_t> BarLength{};
};

extern const std::array<ShapeEntry, 15> ObjectShapes;
extern const std::array<ShapeEntry, 10> ApertureShapes;

std::span<const ShapeEntry> ShapesOf(CalcGroup group);

// The label without its trailing " =": "Length (a)", "a", "Length".
std::string_view LabelCaption(const ShapeParameter& parameter);

// Exact, case-sensitive search of the group's list; nullptr when nothing matches.
const ShapeEntry* FindShape(CalcGroup group, std::string_view name);

} // namespace volcalc
