// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/errors.h"
#include "calc/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace volcalc {
namespace {

constexpr double Pi = std::numbers::pi;

double Volume(std::string_view shape, std::vector<double> values) {
    const ShapeEntry* entry = FindShape(CalcGroup::Object, shape);
    if (entry == nullptr) {
        entry = FindShape(CalcGroup::Aperture, shape);
    }
    const auto volume = entry->Rule->VolumePerPiece(values);
    return volume ? static_cast<double>(*volume) : std::nan("");
}

bool Refused(std::string_view shape, std::vector<double> values) {
    return !FindShape(CalcGroup::Object, shape)->Rule->VolumePerPiece(values).has_value();
}

struct VolumeCase {
    const char* shape;
    std::vector<double> values;
    double expected; // worked out independently of the rule
};

// Profiles: the bounding rectangle less its empty parts. Solids of revolution: closed results.
const VolumeCase VolumeCases[] = {
    {"Parallelepiped", {2, 3, 4}, 24},
    {"Cylinder", {10, 20}, 500 * Pi},
    {"Pipe", {10, 6, 20}, 320 * Pi},
    {"Pipe", {10, 10, 20}, 0},
    {"Prism1", {3, 4, 10}, 60},
    {"Prism2", {6, 5, 10}, 120},
    {"Prism2", {6, 3, 10}, 0},
    {"Sphere", {6}, 36 * Pi},
    {"Part of sphere", {5, 2}, 52 * Pi / 3},
    {"Part of sphere", {5, 10}, 4.0 / 3 * Pi * 125},
    {"Part of sphere", {5, 5}, 2.0 / 3 * Pi * 125},
    {"Cone", {6, 10}, 30 * Pi},
    {"Blunted cone", {6, 6, 10}, 90 * Pi},
    {"Blunted cone", {6, 0, 10}, 30 * Pi},
    {"Blunted cone", {6, 4, 3}, 19 * Pi},
    {"Pyramid", {3, 4, 5}, 20},
    {"Hexahedral Bar", {2, 10}, 20 * std::sqrt(3.0)},
    {"I-Beam", {100, 50, 5, 10, 1000}, (50 * 100 - 2 * 22.5 * 80) * 1000},
    {"C channel", {100, 50, 5, 10, 1000}, (50 * 100 - 45 * 80) * 1000},
    {"Lip channel", {100, 50, 15, 2, 1}, 100 * 50 - 96 * 48 + 2 * 13 * 2},
    {"Angle", {50, 40, 5, 10}, (50 * 40 - 45 * 35) * 10},
    {"Angle", {5, 5, 5, 10}, 250},
};

TEST(ShapeVolumes, MatchIndependentResults) {
    for (const auto& c : VolumeCases) {
        EXPECT_NEAR(Volume(c.shape, c.values), c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected)))
            << c.shape;
    }
}

// The ledger receives one piece's volume as a double; only the box keeps extended precision.
// A sphere of 134.7 mm lies between two doubles in extended precision; one of 1e103 mm is beyond
// the double range.
TEST(ShapeVolumes, OnePieceIsADouble) {
    for (const auto& c : VolumeCases) {
        const long double volume = *FindShape(CalcGroup::Object, c.shape)->Rule->VolumePerPiece(c.values);
        if (std::string_view(c.shape) != "Parallelepiped") {
            EXPECT_EQ(volume, static_cast<long double>(static_cast<double>(volume))) << c.shape;
        }
    }
    const ShapeRule& sphere = *FindShape(CalcGroup::Object, "Sphere")->Rule;
    const double diameter = 134.7;
    const long double extended = std::numbers::pi_v<long double> * diameter * diameter * diameter / 6;
    ASSERT_NE(extended, static_cast<long double>(static_cast<double>(extended)));
    EXPECT_EQ(*sphere.VolumePerPiece(std::vector<double>{diameter}), static_cast<double>(extended));
    EXPECT_THROW(sphere.VolumePerPiece(std::vector<double>{1e103}), OverflowError);
}

TEST(ShapeVolumes, ApertureSolidsUseTheSameRules) {
    for (const ShapeEntry& aperture : ApertureShapes) {
        if (aperture.Rule == nullptr) {
            continue;
        }
        const ShapeEntry* object = FindShape(CalcGroup::Object, aperture.DisplayName);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->Rule, aperture.Rule) << aperture.DisplayName;
        EXPECT_EQ(object->Parameters.data(), aperture.Parameters.data());
    }
}

double Above(double v) {
    return std::nextafter(v, 1e300);
}
double Below(double v) {
    return std::nextafter(v, -1e300);
}

struct LimitCase {
    const char* shape;
    std::vector<double> atLimit;   // accepted
    std::vector<double> pastLimit; // refused
};

const LimitCase LimitCases[] = {
    {"Pipe", {10, 10, 5}, {10, Above(10), 5}},
    {"Prism2", {10, 5, 1}, {10, Below(5), 1}},
    {"Part of sphere", {5, 10}, {5, Above(10)}},
    {"I-Beam", {20, 10, 5, 10, 1}, {20, 10, 5, Above(10), 1}},
    {"I-Beam", {20, 10, 10, 2, 1}, {20, 10, Above(10), 2, 1}},
    {"C channel", {20, 10, 5, 10, 1}, {20, 10, 5, Above(10), 1}},
    {"C channel", {20, 10, 10, 2, 1}, {20, 10, Above(10), 2, 1}},
    {"Lip channel", {20, 10, 5, 5, 1}, {20, 10, 5, Above(5), 1}},
    {"Lip channel", {20, 10, 10, 2, 1}, {20, 10, Above(10), 2, 1}},
    {"Lip channel", {20, 10, 2, 2, 1}, {20, 10, Below(2), 2, 1}},
    {"Angle", {10, 20, 10, 1}, {10, 20, Above(10), 1}},
    {"Angle", {20, 10, 10, 1}, {20, 10, Above(10), 1}},
};

TEST(ShapeRefusals, AtAndJustPastEachLimit) {
    for (const auto& c : LimitCases) {
        EXPECT_FALSE(Refused(c.shape, c.atLimit)) << c.shape;
        EXPECT_TRUE(Refused(c.shape, c.pastLimit)) << c.shape;
    }
}

TEST(ShapeRefusals, NegativeParametersExceptForTheBox) {
    for (const ShapeEntry& entry : ObjectShapes) {
        std::vector<double> values(entry.Parameters.size(), 0.0);
        EXPECT_FALSE(Refused(entry.DisplayName, values)) << entry.DisplayName << " zeros";
        EXPECT_EQ(Volume(entry.DisplayName, values), 0.0) << entry.DisplayName;
        for (std::size_t i = 0; i < values.size(); ++i) {
            std::vector<double> negative(values.size(), 1e-3);
            negative[i] = -1e-3;
            EXPECT_EQ(Refused(entry.DisplayName, negative), entry.DisplayName != "Parallelepiped")
                << entry.DisplayName << " parameter " << i;
        }
    }
}

// The order of both lists is pinned where it is shown: the window's shape lists
// (window_layout_test) and the manual page's copy of the --help shape list (manual_page_test).
TEST(ShapeCatalogue, FindShapeIsExact) {
    EXPECT_EQ(FindShape(CalcGroup::Aperture, "None"), &ApertureShapes[0]);
    EXPECT_EQ(FindShape(CalcGroup::Aperture, "None")->Rule, nullptr);
    EXPECT_EQ(FindShape(CalcGroup::Object, "None"), nullptr);
    EXPECT_EQ(FindShape(CalcGroup::Object, "cylinder"), nullptr);
    EXPECT_EQ(FindShape(CalcGroup::Object, "Cylinder "), nullptr);
    EXPECT_EQ(FindShape(CalcGroup::Aperture, "Pipe"), nullptr);
    EXPECT_EQ(FindShape(CalcGroup::Object, "Pipe")->Picture, "P0025");
}

TEST(ShapeCatalogue, PrismsShareTheirLettersAndLabels) {
    const ShapeEntry& prism1 = *FindShape(CalcGroup::Object, "Prism1");
    const ShapeEntry& prism2 = *FindShape(CalcGroup::Object, "Prism2");
    // One panel in the window, so the same labels; only what the letters measure differs.
    ASSERT_EQ(prism1.Parameters.size(), prism2.Parameters.size());
    for (std::size_t i = 0; i < prism1.Parameters.size(); ++i) {
        const ShapeParameter& one = prism1.Parameters[i];
        const ShapeParameter& two = prism2.Parameters[i];
        EXPECT_EQ(std::tie(one.Letter, one.Label), std::tie(two.Letter, two.Label));
    }
    EXPECT_NE(prism1.Parameters[0].Description, prism2.Parameters[0].Description);
    // Shared labels make a swapped picture easy to miss; pictures_test knows only the codes.
    EXPECT_EQ(prism1.Picture, "P003");
    EXPECT_EQ(prism2.Picture, "P004");
}

// A bar's or a profile's panel places the parameter lettered "Length" below its line, and the
// order cuts the piece to that length; every other shape cut from bars names its length so.
TEST(ShapeCatalogue, ShapesCutFromBarsAreCutToAParameterNamedLength) {
    for (auto group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const ShapeEntry& entry : ShapesOf(group)) {
            SCOPED_TRACE(std::string(entry.DisplayName));
            std::optional<std::size_t> lettered;
            for (std::size_t i = 0; i < entry.Parameters.size(); ++i) {
                if (entry.Parameters[i].Letter == "Length") {
                    lettered = i;
                }
            }
            const bool lined = entry.Panel == PanelKind::Bar || entry.Panel == PanelKind::Profile;
            EXPECT_EQ(lined, lettered.has_value());
            if (lettered) {
                EXPECT_EQ(entry.BarLength, lettered);
            }
            if (entry.BarLength) {
                ASSERT_LT(*entry.BarLength, entry.Parameters.size());
                EXPECT_TRUE(entry.Parameters[*entry.BarLength].Label.starts_with("Length"));
                EXPECT_EQ(group, CalcGroup::Object); // an aperture is never bought
            }
        }
    }
}

// What each letter measures is read out beside its field and its picture; the help's table of
// shapes must say the same, word for word.
TEST(ShapeCatalogue, EveryShapeAndLetterIsDescribedAsTheHelpDescribesIt) {
    std::ifstream page(std::string(VOLCALC_SOURCE_DIR) + "/help/shapes.html");
    ASSERT_TRUE(page) << "help/shapes.html";
    const std::string help{std::istreambuf_iterator<char>(page), std::istreambuf_iterator<char>()};
    for (auto group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const ShapeEntry& entry : ShapesOf(group)) {
            EXPECT_FALSE(entry.Description.empty()) << entry.DisplayName;
            for (const ShapeParameter& p : entry.Parameters) {
                const std::string row =
                    "<td>" + std::string(p.Letter) + "</td><td>" + std::string(p.Description) + "</td>";
                EXPECT_NE(help.find(row), std::string::npos) << entry.DisplayName << ": " << row;
            }
        }
    }
}

} // namespace
} // namespace volcalc
