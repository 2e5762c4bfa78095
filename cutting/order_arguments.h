// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order's stock lengths, kerf and least offcut worth keeping as typed: on the command line
// ("6000,20ft:4", "." as the separator) and in the window ("6 m; 12000:10", "." or "," as the
// separator). A length may carry its unit (mm, cm, m, in, ft, yd; millimetres without one) and is
// shown back in it; a stock length may carry the most bars of it to buy (":10"). Whatever is taken
// plans without fault: a length the planner cannot take is refused with the reason, never rounded
// into another.

#include "calc/units.h"
#include "order_plan.h"

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
    NotACount,   // a limit after ':' that is not a whole number of bars from 1 on
    UnknownUnit, // a unit after the number that is none of mm, cm, m, in, ft, yd
};

struct LengthsReading {
    std::vector<StockLength> Stocks; // one for a single length
    LengthFault Fault = LengthFault::None;
    std::string Part; // the text at fault, as typed

    std::vector<Units> Lengths() const;
};

// How the separator of decimals is written.
enum class DecimalForm {
    Point,        // the command line's, whatever the locale
    PointOrComma, // the window's, as its other fields
};

// One length, with its unit if it has one; `zero` takes 0 (a kerf), otherwise it must be a length
// the planner takes. No limit is taken.
LengthsReading ReadOrderLength(std::string_view text, DecimalForm form, bool zero);

// The command line's stock lengths: "6000,12000", "6m:10,20ft".
LengthsReading ReadCommandLineStocks(std::string_view text);

// The window's stock lengths: "6000; 12000", "6,5 m:10; 12 m". A comma in a text without a
// semicolon reads two ways and is refused.
LengthsReading ReadWindowStocks(std::string_view text);

// The symbol a length is shown with: "mm", "ft"...
std::string_view SymbolOf(LengthUnit unit);

} // namespace volcalc::cutting
