// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogue texts: wherever the plain reading takes a text, it agrees with the general reading on
// the list and on the text after every change.
#include "materials/plain_catalogue_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string problem = volcalc::testing::PlainDisagreement(text);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
