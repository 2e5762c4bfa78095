// SPDX-License-Identifier: GPL-3.0-or-later
// A user's section table: any bytes load or are refused row by row, never worse. Every section that
// loads has an area, is found by its own designation, and every message is one line.
#include "sections/section_table.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    volcalc::sections::SectionCatalogue catalogue;
    volcalc::sections::ReadSectionTable(text, {"fuzz.csv", "fuzz", nullptr}, catalogue);
    for (const auto& section : catalogue.Sections()) {
        if (!(section.Area > 0) || !std::isfinite(section.Area) ||
            catalogue.Find(section.Designation) != &section) {
            std::abort();
        }
        for (const char c : section.Designation) {
            if (static_cast<unsigned char>(c) < 0x20) {
                std::abort();
            }
        }
    }
    for (const auto& problem : catalogue.Problems()) {
        for (const char c : problem) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                std::abort();
            }
        }
    }
    return 0;
}
