// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lengths in the planner are whole thousandths of a millimetre, so that whether pieces and kerfs
// fit a bar is decided by integer sums: a plan that fits is never one that floating-point
// rounding made fit.

#include <cstdint>

namespace volcalc::cutting {

using Units = std::int64_t;

inline constexpr Units UnitsPerMillimetre = 1000;

// The longest length taken: a hundred kilometres, far beyond any bar, yet small enough that the
// sums of a plan of millions of pieces stay within 64 bits.
inline constexpr double LongestMillimetres = 1e8;

// Rounds to the nearest thousandth of a millimetre. Throws std::invalid_argument for a length
// that is not a number, negative or longer than LongestMillimetres.
Units ToUnits(double millimetres);

double ToMillimetres(Units units);

} // namespace volcalc::cutting
