// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way a double becomes text: std::to_chars into a buffer that grows until the text fits.
// A fixed buffer is not enough: the plain form of a tiny or huge value runs to hundreds of
// characters, and to_chars leaves a buffer that is too short holding anything at all.

#include <charconv>
#include <string>

namespace volcalc {

// The shortest text that reads back as the same double ("1e-63", "0.1", "1e+16").
std::string DoubleText(double value);

// The shortest text in that form that reads back as the same double.
std::string DoubleText(double value, std::chars_format format);

// The text in that form with that precision.
std::string DoubleText(double value, std::chars_format format, int precision);

} // namespace volcalc
