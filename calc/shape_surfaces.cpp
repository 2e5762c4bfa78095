// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape_surfaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace volcalc {
namespace {

using L = long double;
constexpr L Pi = std::numbers::pi_v<long double>;

L Circle(L diameter) {
    return Pi * diameter * diameter / 4;
}

// Length of the slanted side over a run and a rise.
L Slant(L run, L rise) {
    return std::sqrt(run * run + rise * rise);
}

} // namespace

// a diameter, b length: the side and two ends
L CylinderSurface(std::span<const double> p) {
    return Pi * p[0] * p[1] + 2 * Circle(p[0]);
}

// a external and b internal diameter, c length: both sides and two rings
L PipeSurface(std::span<const double> p) {
    return Pi * (L{p[0]} + p[1]) * p[2] + 2 * (Circle(p[0]) - Circle(p[1]));
}

// legs a and b, length c
L RightPrismSurface(std::span<const double> p) {
    const L a = p[0], b = p[1];
    return a * b + (a + b + Slant(a, b)) * p[2];
}

// base a, slanted sides b, length c
L IsoscelesPrismSurface(std::span<const double> p) {
    const L halfBase = L{p[0]} / 2;
    const L height = std::sqrt(std::max(L{p[1]} * p[1] - halfBase * halfBase, L{0}));
    return 2 * halfBase * height + (L{p[0]} + 2 * L{p[1]}) * p[2];
}

// a diameter
L SphereSurface(std::span<const double> p) {
    return Pi * p[0] * p[0];
}

// a radius of the sphere, b height: the curved face and the flat one, of radius² h(2R − h); a
// height of 2R is the whole ball, whose flat face shrinks to a point.
L SphereCapSurface(std::span<const double> p) {
    const L r = p[0], h = p[1];
    return 2 * Pi * r * h + Pi * std::max(h * (2 * r - h), L{0});
}

// a base diameter, b height
L ConeSurface(std::span<const double> p) {
    const L radius = L{p[0]} / 2;
    return Pi * radius * Slant(radius, p[1]) + Circle(p[0]);
}

// a lower and b upper diameter, c height
L FrustumSurface(std::span<const double> p) {
    const L r1 = L{p[0]} / 2, r2 = L{p[1]} / 2;
    return Pi * (r1 + r2) * Slant(r1 - r2, p[2]) + Circle(p[0]) + Circle(p[1]);
}

// base a x b, height c: the base and four triangles, two over each side of the base
L PyramidSurface(std::span<const double> p) {
    const L a = p[0], b = p[1], c = p[2];
    return a * b + a * Slant(b / 2, c) + b * Slant(a / 2, c);
}

// a across flats: six sides of a/√3
L HexBarSurface(std::span<const double> p) {
    return 2 * std::sqrt(L{3}) * p[0] * p[1];
}

// a height, b flange width, c web: the outline of an I or a C has the same length, two heights,
// four flange faces less the web's share of the inner two.
L FlangedBeamSurface(std::span<const double> p) {
    return (2 * L{p[0]} + 4 * L{p[1]} - 2 * L{p[2]}) * p[4];
}

// a height, b width, c lip, d wall: the outer faces a + 2b + 2c, the inner ones shorter by a
// wall at each end that meets another wall, and the lips' two tips.
L LipChannelSurface(std::span<const double> p) {
    const L a = p[0], b = p[1], c = p[2], d = p[3];
    return (2 * a + 4 * b + 4 * c - 6 * d) * p[4];
}

// a and b legs: the inner faces and the two tips are as long as the outer faces
L AngleSurface(std::span<const double> p) {
    return 2 * (L{p[0]} + p[1]) * p[3];
}

} // namespace volcalc
