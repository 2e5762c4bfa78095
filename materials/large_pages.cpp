// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/large_pages.h"

#include <cstdint>
#include <sys/mman.h>

namespace volcalc {

void PreferLargePages(const void* data, std::size_t size) {
    constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;
    if (size < 2 * LargePage) {
        return; // too small to hold a large page with room around it
    }
    // Only whole large pages inside the buffer: the memory around it is none of our business.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (start + size) & ~(LargePage - 1);
    if (first < end) {
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
}

} // namespace volcalc
