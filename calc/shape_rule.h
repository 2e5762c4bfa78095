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

// What the ledger needs of a shape besides its parameters: its volume and outer surface per piece
// in cubes and squares of the length unit, from the values in parameter order. The volume is empty
// when the parameters describe no solid; the ledger then refuses the calculation with its warning,
// and asks for the surface only of a solid.
struct ShapeRule {
    std::optional<long double> (*VolumePerPiece)(std::span<const double> values) = nullptr;
    // A rule without VolumePerPiece is a bar of this cross-section in mm² (a standard section),
    // its one parameter the length.
    double CrossSection = 0;
    // The surface to paint: a solid's every face; a long profile's outline times its length, the
    // ends left out, as steel tables give the painting surface.
    long double (*SurfacePerPiece)(std::span<const double> values) = nullptr;
    // A bar's outline in mm, none where its table tells no way to know it.
    std::optional<double> Perimeter{};
};

// (a x b) x c; zero and negative values are accepted.
std::optional<long double> ParallelepipedVolume(std::span<const double> values);
long double ParallelepipedSurface(std::span<const double> values);
inline constexpr ShapeRule ParallelepipedRule{&ParallelepipedVolume, 0, &ParallelepipedSurface};

} // namespace volcalc
