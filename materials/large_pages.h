// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace volcalc {

// Asks the system to back a buffer of several megabytes that is about to be filled with large
// pages: a catalogue of a million materials then costs a few dozen page faults instead of tens of
// thousands, which took most of the time of reading it. A hint only; where the system offers no
// large pages, nothing changes.
void PreferLargePages(const void* data, std::size_t size);

} // namespace volcalc
