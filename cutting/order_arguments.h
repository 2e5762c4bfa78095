// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order's stock lengths and kerf as typed: on the command line ("6000,12000", "." as the
// separator) and in the window ("6000; 12000", "." or "," as the separator). Whatever is taken
// plans without fault: a length the planner cannot take is refused with the reason, never
// rounded into another.

#include "lengths.h"

#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cutting {

enum class LengthFault {
    None,
    NotALength,  // not a number, negative, 0 where 0 is not taken, or beyond LongestMillimetres
    TooShort,    // rounds to nothing at the planner's thousandth of a millimetre
    TwoReadings, // "6000,12000" in the window: two lengths, or one with a decimal comma
    NoLength,    // no stock length at all
};

struct LengthsReading {
    std::vector<Units> Lengths;
    LengthFault Fault = LengthFault::None;
    std::string Part; // the text at fault, as typed
};

// How the separator of decimals is written.
enum class DecimalForm {
    Point,        // the command line's, whatever the locale
    PointOrComma, // the window's, as its other fields
};

// One length; `zero` takes 0 (a kerf), otherwise it must be a stock length the planner takes.
LengthsReading ReadOrderLength(std::string_view text, DecimalForm form, bool zero);

// The command line's stock lengths: "6000,12000".
LengthsReading ReadCommandLineStocks(std::string_view text);

// The window's stock lengths: "6000; 12000". A comma in a text without a semicolon reads two
// ways and is refused.
LengthsReading ReadWindowStocks(std::string_view text);

} // namespace volcalc::cutting
