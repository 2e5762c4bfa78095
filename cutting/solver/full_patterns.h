// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planned_pieces.h"

#include <optional>
#include <vector>

namespace volcalc::cutting {

// Every pattern that no further wanted piece fits, when there are at most `limit` of them and
// the search finds them quickly: with them all, the search in whole bars misses no plan. Small
// orders have few.
std::optional<std::vector<Pattern>> EveryFullPattern(const PlannedPieces& pieces, std::size_t limit);

} // namespace volcalc::cutting
