// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace volcalc {
namespace {

TEST(Units, NamesInListOrder) {
    EXPECT_EQ(LengthUnitFromName("millimeter"), LengthUnit::Millimeter);
    EXPECT_EQ(LengthUnitFromName("yard"), LengthUnit::Yard);
    EXPECT_EQ(VolumeUnitFromName("inch"), VolumeUnit::Inch);
    EXPECT_EQ(MassUnitFromName("metric ton"), MassUnit::MetricTon);
    EXPECT_EQ(NameOf(MassUnit::Pound), "pound");
    EXPECT_EQ(NameOf(DefaultVolumeUnit), "meter");
    EXPECT_EQ(NameOf(DefaultMassUnit), "kilogram");
    for (const char* wrong : {"Meter", "meter ", "", "metre", "ton"}) {
        EXPECT_FALSE(LengthUnitFromName(wrong)) << wrong;
        EXPECT_FALSE(MassUnitFromName(wrong)) << wrong;
    }
}

TEST(Units, ScalingToCubicMetres) {
    EXPECT_EQ(ScaleVolumeToCubicMetres(1e-9, LengthUnit::Millimeter), 1e-9);
    EXPECT_EQ(ScaleVolumeToCubicMetres(1e-9, LengthUnit::Inch),
              static_cast<double>(static_cast<long double>(1e-9) * 25.4L * 25.4L * 25.4L));
    EXPECT_NEAR(ScaleVolumeToCubicMetres(240e-9, LengthUnit::Centimeter), 0.00024, 1e-19);
    EXPECT_EQ(ScaleVolumeToCubicMetres(1e-9, LengthUnit::Meter), 1.0);
    EXPECT_THROW(ScaleVolumeToCubicMetres(std::numeric_limits<double>::max(), LengthUnit::Meter),
                 OverflowError);
}

// Every unit factor against its exact value rounded to a double, to one unit in the last place:
// the rounded texts of the other tests hide errors far larger than that.
TEST(Units, EveryFactorWithinOneUnitInTheLastPlace) {
    struct Row {
        const char* factor;
        double computed;
        double exact;
    };
    const Row rows[] = {
        {"cubic centimetre, in mm3", ScaleVolumeToCubicMetres(1, LengthUnit::Centimeter), 1e3},
        {"cubic metre, in mm3", ScaleVolumeToCubicMetres(1, LengthUnit::Meter), 1e9},
        {"cubic inch, in mm3", ScaleVolumeToCubicMetres(1, LengthUnit::Inch), 16387.064},
        {"cubic foot, in mm3", ScaleVolumeToCubicMetres(1, LengthUnit::Foot), 28316846.592},
        {"cubic yard, in mm3", ScaleVolumeToCubicMetres(1, LengthUnit::Yard), 764554857.984},
        {"m3 in mm3", VolumeForDisplay(1, VolumeUnit::Millimeter), 1e9},
        {"m3 in cm3", VolumeForDisplay(1, VolumeUnit::Centimeter), 1e6},
        {"m3 in cubic inches", VolumeForDisplay(1, VolumeUnit::Inch), 61023.74409473228},
        {"m3 in cubic feet", VolumeForDisplay(1, VolumeUnit::Foot), 35.31466672148859},
        {"m3 in cubic yards", VolumeForDisplay(1, VolumeUnit::Yard), 1.3079506193143922},
        {"kg in grams", MassForDisplay(1, MassUnit::Gram), 1e3},
        {"kg in centners", MassForDisplay(1, MassUnit::Centner), 0.01},
        {"kg in metric tons", MassForDisplay(1, MassUnit::MetricTon), 0.001},
        {"kg in pounds", MassForDisplay(1, MassUnit::Pound), 2.2045855379188715},
    };
    for (const Row& row : rows) {
        const double ulp = std::nextafter(row.exact, HUGE_VAL) - row.exact;
        EXPECT_LE(std::fabs(row.computed - row.exact), ulp) << row.factor;
    }
}

struct DisplayCase {
    const char* unit;
    const char* text;
};

TEST(Units, OneCubicMetreOfSteelInEveryDisplayUnit) {
    const DisplayCase volumes[] = {{"millimeter", "1E9"}, {"centimeter", "1E6"}, {"meter", "1.000"},
                                   {"inch", "61024.000"}, {"foot", "35.315"},    {"yard", "1.308"}};
    for (const auto& c : volumes) {
        EXPECT_EQ(FormatResult(VolumeForDisplay(1.0, *VolumeUnitFromName(c.unit))), c.text) << c.unit;
    }
    const DisplayCase masses[] = {{"gram", "7.85E6"},
                                  {"kilogram", "7850.000"},
                                  {"centner", "78.500"},
                                  {"metric ton", "7.850"},
                                  {"pound", "17306.000"}};
    for (const auto& c : masses) {
        EXPECT_EQ(FormatResult(MassForDisplay(7850.0, *MassUnitFromName(c.unit))), c.text) << c.unit;
    }
}

TEST(Units, DisplayConversionsKeepTheirFactorsAndSign) {
    EXPECT_EQ(VolumeForDisplay(1e-9, VolumeUnit::Millimeter), 1.0);
    EXPECT_EQ(VolumeForDisplay(0.000016387064, VolumeUnit::Inch), 1.0);
    EXPECT_EQ(FormatResult(VolumeForDisplay(0.000016387064, VolumeUnit::Millimeter)), "16387.000");
    EXPECT_EQ(MassForDisplay(1.0, MassUnit::Pound), static_cast<double>(1000.0L / 453.6L));
    EXPECT_EQ(FormatResult(MassForDisplay(1.0, MassUnit::Pound)), "2.205");
    EXPECT_EQ(VolumeForDisplay(-2.0, VolumeUnit::Centimeter), -2e6);
    EXPECT_EQ(MassForDisplay(-250.0, MassUnit::Centner), -2.5);
    // Switching back shows the stored value exactly: conversions never chain.
    EXPECT_EQ(VolumeForDisplay(0.3, VolumeUnit::Meter), 0.3);
    EXPECT_EQ(MassForDisplay(0.3, MassUnit::Kilogram), 0.3);
}

} // namespace
} // namespace volcalc
