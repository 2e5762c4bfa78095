// SPDX-License-Identifier: GPL-3.0-or-later
#include "lengths.h"

#include <cmath>
#include <stdexcept>

namespace volcalc::cutting {

Units ToUnits(double millimetres) {
    if (!std::isfinite(millimetres) || millimetres < 0 || millimetres > LongestMillimetres) {
        throw std::invalid_argument("length out of range");
    }
    return std::llround(millimetres * UnitsPerMillimetre);
}

double ToMillimetres(Units units) {
    return static_cast<double>(units) / UnitsPerMillimetre;
}

} // namespace volcalc::cutting
