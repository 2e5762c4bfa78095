// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>

namespace volcalc {

// Volume of one piece from its parameters in parameter order, in cubes of their length unit.
// Empty when the parameters describe no solid.
std::optional<long double> CylinderVolume(std::span<const double> p);
std::optional<long double> PipeVolume(std::span<const double> p);
std::optional<long double> RightPrismVolume(std::span<const double> p);
std::optional<long double> IsoscelesPrismVolume(std::span<const double> p);
std::optional<long double> SphereVolume(std::span<const double> p);
std::optional<long double> SphereCapVolume(std::span<const double> p);
std::optional<long double> ConeVolume(std::span<const double> p);
std::optional<long double> FrustumVolume(std::span<const double> p);
std::optional<long double> PyramidVolume(std::span<const double> p);
std::optional<long double> HexBarVolume(std::span<const double> p);
std::optional<long double> FlangedBeamVolume(std::span<const double> p);
std::optional<long double> LipChannelVolume(std::span<const double> p);
std::optional<long double> AngleVolume(std::span<const double> p);

} // namespace volcalc
