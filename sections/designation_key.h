// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace volcalc::sections {

// What two designations that name the same section have in common: lower case, without blanks,
// and EN 10365's "HE 200 A" written as "HEA 200" (likewise B and M), so "ipe200" finds "IPE 200".
std::string DesignationKey(std::string_view designation);

// How many single-character edits turn one key into the other: the nearer, the likelier the
// section meant by a mistyped designation.
std::size_t EditDistance(std::string_view from, std::string_view to);

} // namespace volcalc::sections
