// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace volcalc {

// Outer surface of one piece from its parameters in parameter order, in squares of their length
// unit, for parameters its volume rule accepted. A solid counts every face; a long profile its
// outline times its length, without the two ends.
long double CylinderSurface(std::span<const double> p);
long double PipeSurface(std::span<const double> p);
long double RightPrismSurface(std::span<const double> p);
long double IsoscelesPrismSurface(std::span<const double> p);
long double SphereSurface(std::span<const double> p);
long double SphereCapSurface(std::span<const double> p);
long double ConeSurface(std::span<const double> p);
long double FrustumSurface(std::span<const double> p);
long double PyramidSurface(std::span<const double> p);
long double HexBarSurface(std::span<const double> p);
long double FlangedBeamSurface(std::span<const double> p);
long double LipChannelSurface(std::span<const double> p);
long double AngleSurface(std::span<const double> p);

} // namespace volcalc
