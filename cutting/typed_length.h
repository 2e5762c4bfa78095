// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A length of the order's settings as it was typed, so that "20ft" is planned as 6096 mm and shown
// back as "20 ft".

#include "calc/units.h"
#include "lengths.h"

#include <string>

namespace volcalc::cutting {

struct TypedLength {
    Units Length = 0; // what the planner takes
    double Value = 0; // as typed, in Unit
    LengthUnit Unit = LengthUnit::Millimeter;

    friend bool operator==(const TypedLength&, const TypedLength&) = default;
};

// A length in millimetres, shown in millimetres. Inline: the planner's module, loaded on demand
// by the window, takes it without the core's number text.
inline TypedLength Millimetres(Units length) {
    return {length, ToMillimetres(length), LengthUnit::Millimeter};
}

// "20 ft", "6000 mm", "2,5 m" with `separator`.
std::string TypedLengthText(const TypedLength& length, char separator = '.');

} // namespace volcalc::cutting
