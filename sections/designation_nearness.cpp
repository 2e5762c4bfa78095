// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/designation_nearness.h"

#include "sections/designation_key.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace volcalc::sections {
namespace {

bool IsSizeCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

DesignationParts PartsOf(std::string_view key) {
    key = key.substr(0, std::min(key.size(), LongestCompared));
    DesignationParts parts;
    std::size_t i = 0;
    while (i < key.size()) {
        if (!IsSizeCharacter(key[i]) || key[i] == '.') {
            parts.Family.push_back(key[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < key.size() && IsSizeCharacter(key[end])) {
            ++end;
        }
        double size = 0;
        std::from_chars(key.data() + i, key.data() + end, size);
        parts.Size.push_back(size);
        parts.Family.push_back('#');
        i = end;
    }
    return parts;
}

Nearness NearnessOf(const DesignationParts& wanted, const DesignationParts& held) {
    Nearness nearness{EditDistance(wanted.Family, held.Family), {}};
    const std::size_t common = std::min(wanted.Size.size(), held.Size.size());
    for (std::size_t i = 0; i < common; ++i) {
        nearness.SizeGaps.push_back(std::fabs(wanted.Size[i] - held.Size[i]));
    }
    return nearness;
}

} // namespace volcalc::sections
