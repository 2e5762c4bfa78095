// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_list.h"

#include <cstdint>
#include <string>
#include <vector>

namespace volcalc::test {

// A list's names, to compare with what a test expects.
inline std::vector<std::string> NamesOf(const MaterialList& list) {
    std::vector<std::string> names;
    for (const MaterialView material : list) {
        names.emplace_back(material.Name);
    }
    return names;
}

inline std::vector<std::int32_t> DensitiesOf(const MaterialList& list) {
    std::vector<std::int32_t> densities;
    for (const MaterialView material : list) {
        densities.push_back(material.Density);
    }
    return densities;
}

} // namespace volcalc::test
