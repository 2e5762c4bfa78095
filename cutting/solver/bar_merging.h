// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Among plans that buy the same length, fewer bars: less handling and fewer cuts at the saw. Two
// bars whose stock lengths add up to a stock length cost what one bar of that length costs.

#include "open_bar.h"

#include <span>
#include <vector>

namespace volcalc::cutting {

// Joins pairs of bars whose lengths add up to a stock length (`stocks` ascending) into one bar of
// it wherever their pieces fit, as many pairs as it can, until no pair is left to join.
void MergeBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf);

} // namespace volcalc::cutting
