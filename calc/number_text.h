// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace volcalc {

// The regional decimal separator: read by the front ends from the locale, used by
// ReadNumberText, FormatResult and the quantity fields. "." until set.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
// A number as C++ writes it, "." for its point, with `separator` in that point's place: the one
// way a written number takes the regional separator.
std::string WithDecimalSeparator(std::string text, char separator = DecimalSeparator());

// The strict reader: optional blanks and sign, digits with the regional separator, an optional
// exponent, trailing blanks. Throws NotANumberError quoting the text.
long double ReadNumberText(std::string_view text);

// Reads a dimension or density text with "." or "," as its separator, whatever the regional
// setting. Throws NotANumberError, or OverflowError when the value does not fit a double.
double ParseDecimalText(std::string_view text);

// The density of a typed text: ParseDecimalText truncated toward zero. A whole part outside
// the signed 32-bit range throws NotANumberError "'%s' is not a valid integer value".
std::int32_t DensityFromText(std::string_view text);

// A result as the window shows it: three decimals, at most five significant digits,
// scientific from 1E5 on.
std::string FormatResult(double value);

// A figure of the parts list: at least four significant digits, and never fewer than
// FormatResult shows, so that "0.000" stands for nothing but zero; the E form below 0.001 and
// from 1E5 on. Read at FormatResult's precision, it reads as FormatResult(value).
std::string FormatListFigure(double value);

// A signed 32-bit whole number: optional sign and decimal digits, or without a sign a
// hexadecimal number after "$", "x", "X", "0x" or "0X" (at most eight significant digits,
// taken as a 32-bit pattern). Nothing else, not even a blank, may stand in the text.
std::optional<std::int32_t> ReadIntegerText(std::string_view text);

// Decimal text of an integer, "-" for negatives.
std::string IntegerText(std::int64_t value);

} // namespace volcalc
