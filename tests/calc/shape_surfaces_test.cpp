// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ledger.h"
#include "calc/parts_list.h"
#include "calc/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace volcalc {
namespace {

constexpr double Pi = std::numbers::pi;

double Surface(std::string_view shape, const std::vector<double>& values) {
    const ShapeEntry* entry = FindShape(CalcGroup::Object, shape);
    EXPECT_TRUE(entry->Rule->VolumePerPiece(values).has_value()) << shape << " refuses its values";
    return static_cast<double>(entry->Rule->SurfacePerPiece(values));
}

struct SurfaceCase {
    const char* what;
    const char* shape;
    std::vector<double> values;
    double expected; // worked out by hand from the solid's faces
};

const SurfaceCase SolidCases[] = {
    {"box: six faces", "Parallelepiped", {2, 3, 4}, 52},
    {"box typed negative: its faces' sizes", "Parallelepiped", {-2, 3, 4}, 52},
    {"cylinder: side and two ends", "Cylinder", {10, 20}, 250 * Pi},
    {"pipe: both sides and two rings", "Pipe", {10, 6, 20}, 352 * Pi},
    {"pipe whose bore is its outside: two sides, no rings", "Pipe", {10, 10, 20}, 400 * Pi},
    {"right prism: 3-4-5 triangles", "Prism1", {3, 4, 10}, 132},
    {"isosceles prism: 6-5-5 triangles", "Prism2", {6, 5, 10}, 184},
    {"isosceles prism flattened to its base", "Prism2", {6, 3, 10}, 120},
    {"sphere", "Sphere", {6}, 36 * Pi},
    {"part of a sphere: cap and flat face", "Part of sphere", {5, 2}, 36 * Pi},
    {"half a sphere", "Part of sphere", {5, 5}, 75 * Pi},
    {"part of a sphere that is the whole sphere", "Part of sphere", {5, 10}, 100 * Pi},
    {"part of a sphere of no height", "Part of sphere", {5, 0}, 0},
    {"cone: 3-4-5 slant and base", "Cone", {6, 4}, 24 * Pi},
    {"cone of no height: two discs", "Cone", {6, 0}, 18 * Pi},
    {"blunted cone: 3-4-5 slant and two faces", "Blunted cone", {10, 4, 4}, 64 * Pi},
    {"blunted cone with equal faces is a cylinder", "Blunted cone", {6, 6, 10}, 78 * Pi},
    {"blunted cone with no top is a cone", "Blunted cone", {6, 0, 4}, 24 * Pi},
    {"pyramid: base and four triangles", "Pyramid", {6, 8, 4}, 88 + 24 * std::sqrt(2.0)},
    {"pyramid of no height: the base twice", "Pyramid", {6, 8, 0}, 96},
};

TEST(ShapeSurfaces, SolidsCountEveryFace) {
    for (const auto& c : SolidCases) {
        EXPECT_NEAR(Surface(c.shape, c.values), c.expected, 1e-12 * std::max(1.0, c.expected)) << c.what;
    }
}

// The length of a closed outline through its corners.
double Outline(const std::vector<std::pair<double, double>>& corners) {
    double length = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const auto& [x1, y1] = corners[i];
        const auto& [x2, y2] = corners[(i + 1) % corners.size()];
        length += std::hypot(x2 - x1, y2 - y1);
    }
    return length;
}

std::vector<std::pair<double, double>> Hexagon(double acrossFlats) {
    std::vector<std::pair<double, double>> corners;
    const double radius = acrossFlats / std::sqrt(3.0);
    for (int i = 0; i < 6; ++i) {
        corners.emplace_back(radius * std::cos(i * Pi / 3), radius * std::sin(i * Pi / 3));
    }
    return corners;
}

struct ProfileCase {
    const char* shape;
    std::vector<double> values; // the cross-section, then the length
    std::vector<std::pair<double, double>> corners;
};

// Each profile drawn corner by corner, so the rule is checked against its drawing, not itself.
const ProfileCase ProfileCases[] = {
    {"Hexahedral Bar", {2, 10}, Hexagon(2)},
    {"I-Beam",
     {100, 50, 5, 10, 1000},
     {{0, 0},
      {50, 0},
      {50, 10},
      {27.5, 10},
      {27.5, 90},
      {50, 90},
      {50, 100},
      {0, 100},
      {0, 90},
      {22.5, 90},
      {22.5, 10},
      {0, 10}}},
    {"C channel",
     {100, 50, 5, 10, 1000},
     {{0, 0}, {50, 0}, {50, 10}, {5, 10}, {5, 90}, {50, 90}, {50, 100}, {0, 100}}},
    {"Lip channel",
     {100, 50, 15, 2, 3},
     {{0, 0},
      {50, 0},
      {50, 15},
      {48, 15},
      {48, 2},
      {2, 2},
      {2, 98},
      {48, 98},
      {48, 85},
      {50, 85},
      {50, 100},
      {0, 100}}},
    {"Angle", {50, 40, 5, 10}, {{0, 0}, {40, 0}, {40, 5}, {5, 5}, {5, 50}, {0, 50}}},
};

TEST(ShapeSurfaces, ProfilesAreTheirOutlineAlongTheirLengthWithoutEnds) {
    for (const auto& c : ProfileCases) {
        EXPECT_NEAR(Surface(c.shape, c.values), Outline(c.corners) * c.values.back(), 1e-9) << c.shape;
    }
}

// The ledger's side: squares of the typed length unit into square metres, times the quantity; an
// aperture has none, and so adds none to the total.
TEST(ShapeSurfaces, RowsHoldSquareMetresOfObjectsOnly) {
    Ledger ledger;
    ledger.SetDensity(7850);
    const std::vector<std::string_view> cube = {"1", "1", "1"};
    const PartsListRow feet =
        ledger.Calculate(CalcGroup::Object, {ObjectShapes[0], cube, 3, LengthUnit::Foot});
    EXPECT_DOUBLE_EQ(*feet.PieceSurface, 6 * 0.3048 * 0.3048);
    EXPECT_DOUBLE_EQ(*feet.Surface, 18 * 0.3048 * 0.3048);
    const PartsListRow hole =
        ledger.Calculate(CalcGroup::Aperture, {ApertureShapes[1], cube, 1, LengthUnit::Foot});
    EXPECT_FALSE(hole.Surface.has_value());
    EXPECT_FALSE(hole.PieceSurface.has_value());
    EXPECT_DOUBLE_EQ(ledger.Totals().ObjectSurface, *feet.Surface);
    // Shown beside cubic feet, the surface is in square feet.
    const RowFigures shown = FiguresOf(feet, {VolumeUnit::Foot, MassUnit::Kilogram});
    EXPECT_NEAR(*shown.Surface, 18, 1e-12);
    EXPECT_NEAR(TotalsIn(ledger.Totals(), {VolumeUnit::Inch, MassUnit::Kilogram}).ObjectSurface, 18 * 144,
                1e-9);
}

} // namespace
} // namespace volcalc
