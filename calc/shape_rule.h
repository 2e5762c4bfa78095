// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace volcalc {

inline constexpr std::size_t MaxShapeParameters = 8;
inline constexpr std::string_view WrongDataWarning = "Wrong data input.\r\nCheck up all entered parameters.";

enum class CalcGroup { Object, Aperture };

// What the ledger needs of a shape besides its parameters: its volume per piece in cubes of the
// length unit, from the values in parameter order. The volume is empty when the
// parameters describe no solid; the ledger then refuses the calculation with its warning.
struct ShapeRule {
    std::optional<long double> (*VolumePerPiece)(std::span<const double> values) = nullptr;
    // A rule without VolumePerPiece is a bar of this cross-section in mm² (a standard section),
    // its one parameter the length.
    double CrossSection = 0;
};

// (a x b) x c; zero and negative values are accepted.
std::optional<long double> ParallelepipedVolume(std::span<const double> values);
inline constexpr ShapeRule ParallelepipedRule{&ParallelepipedVolume};

} // namespace volcalc
