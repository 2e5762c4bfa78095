// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar_filling.h"

#include <chrono>
#include <optional>

namespace volcalc::cutting {

// Cuts every piece from exactly the bars given, by bar completion: the longest piece not yet cut
// opens a bar, which is completed by the pieces that leave it the least offcut, within what the
// bars together can leave over; then the next. A depth-first search that backs up when a bar cannot
// be completed within that allowance, restarted with other choices among equally good completions
// after a number of steps, until the time is up.
std::optional<std::vector<OpenBar>> CompleteBars(std::span<const Units> pieces, std::span<const Units> stocks,
                                                 Units kerf, std::uint64_t seed,
                                                 std::chrono::steady_clock::time_point until);

} // namespace volcalc::cutting
