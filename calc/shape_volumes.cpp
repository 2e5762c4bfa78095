// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape_volumes.h"

#include "errors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace volcalc {
namespace {

using L = long double;
constexpr L Pi = std::numbers::pi_v<long double>;

bool AnyNegative(std::span<const double> p) {
    return std::any_of(p.begin(), p.end(), [](double v) { return v < 0; });
}

// Refuses negative parameters and those the shape's own check rejects. The volume of one piece is
// formed in extended precision and kept as a double, so a piece beyond the double range overflows.
template <typename Check, typename Volume>
std::optional<L> Checked(std::span<const double> p, Check check, Volume volume) {
    if (AnyNegative(p) || !check()) {
        return std::nullopt;
    }
    return L{StoreDouble(volume())};
}

constexpr auto Always = [] { return true; };

} // namespace

// a diameter, b length
std::optional<L> CylinderVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return Pi * p[0] * p[0] / 4 * p[1]; });
}

// a external diameter, b internal diameter, c length
std::optional<L> PipeVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return p[1] <= p[0]; }, [&] { return Pi * (L{p[0]} * p[0] - L{p[1]} * p[1]) / 4 * p[2]; });
}

// right-angled triangle with legs a and b, length c
std::optional<L> RightPrismVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return L{p[0]} * p[1] / 2 * p[2]; });
}

// isosceles triangle with base a and slanted sides b, length c
std::optional<L> IsoscelesPrismVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return 2 * L{p[1]} >= p[0]; },
        [&] {
            const L halfBase = L{p[0]} / 2;
            const L height = std::sqrt(std::max(L{p[1]} * p[1] - halfBase * halfBase, L{0}));
            return halfBase * height * p[2];
        });
}

// a diameter
std::optional<L> SphereVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return Pi * p[0] * p[0] * p[0] / 6; });
}

// a radius of the sphere, b height of the cap
std::optional<L> SphereCapVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return L{p[1]} <= 2 * L{p[0]}; },
        [&] { return Pi * p[1] * p[1] * (3 * L{p[0]} - p[1]) / 3; });
}

// a base diameter, b height
std::optional<L> ConeVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return Pi * p[0] * p[0] / 4 * p[1] / 3; });
}

// a lower diameter, b upper diameter, c height
std::optional<L> FrustumVolume(std::span<const double> p) {
    return Checked(p, Always, [&] {
        const L a = p[0], b = p[1];
        return Pi * p[2] * (a * a + a * b + b * b) / 12;
    });
}

// rectangular base a x b, height c
std::optional<L> PyramidVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return L{p[0]} * p[1] * p[2] / 3; });
}

// a across flats, p[1] length
std::optional<L> HexBarVolume(std::span<const double> p) {
    return Checked(p, Always, [&] { return std::sqrt(L{3}) / 2 * p[0] * p[0] * p[1]; });
}

// I-beam and C channel: a height, b flange width, c web, d flange thickness, p[4] length.
// The section is two flanges b x d and the web c between them.
std::optional<L> FlangedBeamVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return 2 * L{p[3]} <= p[0] && p[2] <= p[1]; },
        [&] {
            const L a = p[0], b = p[1], c = p[2], d = p[3];
            return (2 * b * d + (a - 2 * d) * c) * p[4];
        });
}

// a height, b overall width, c lip height, d wall thickness, p[4] length. The centre line of
// the wall runs web, two flanges and two lips; each wall piece is counted once.
std::optional<L> LipChannelVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return 2 * L{p[3]} <= p[1] && 2 * L{p[2]} <= p[0] && p[2] >= p[3]; },
        [&] {
            const L a = p[0], b = p[1], c = p[2], d = p[3];
            return d * (a + 2 * (b - d) + 2 * (c - d)) * p[4];
        });
}

// a upright leg, b lying leg, c thickness, p[3] length
std::optional<L> AngleVolume(std::span<const double> p) {
    return Checked(
        p, [&] { return p[2] <= p[0] && p[2] <= p[1]; },
        [&] {
            const L a = p[0], b = p[1], c = p[2];
            return c * (a + b - c) * p[3];
        });
}

} // namespace volcalc
