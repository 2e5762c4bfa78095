// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::sections {

// A designation key split into its family and its size: "ipe200" is family "ipe#" and size {200},
// "l100x65x7" family "l#x#x#" and size {100, 65, 7}. Mistyped designations are nearest to the
// sizes of their own family, so suggestions rank by family first and then by size.
struct DesignationParts {
    std::string Family;
    std::vector<double> Size;
};

// Only the first `LongestCompared` bytes of a key are looked at: no held designation is longer,
// and a longer text must not make a suggestion slow.
constexpr std::size_t LongestCompared = 256;

DesignationParts PartsOf(std::string_view key);

// Ranks how near `held` is to the `wanted` designation; the smaller, the nearer.
struct Nearness {
    std::size_t FamilyEdits = 0;
    std::vector<double> SizeGaps;

    auto operator<=>(const Nearness&) const = default;
};

Nearness NearnessOf(const DesignationParts& wanted, const DesignationParts& held);

} // namespace volcalc::sections
