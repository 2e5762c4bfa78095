// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace volcalc {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

// The worked examples, with "." as the separator.
constexpr FormatCase WorkedExamples[] = {
    {0, "0.000"},           {1.5, "1.500"},         {-2.5, "-2.500"},    {0.25, "0.250"},
    {2.2045855, "2.205"},   {123.4567, "123.460"},  {7850, "7850.000"},  {16387.064, "16387.000"},
    {12344.5, "12345.000"}, {99999.4, "99999.000"}, {99999.9996, "1E5"}, {100000, "1E5"},
    {123456.7, "1.2346E5"}, {-1500000, "-1.5E6"},   {1000000000, "1E9"}, {0.004, "0.004"},
    {0.0005, "0.001"},      {0.0004, "0.000"},      {-0.0004, "0.000"},  {0.00001, "0.000"},
    {1.0625, "1.063"},
};

TEST(FormatResult, WorkedExamples) {
    for (const auto& c : WorkedExamples) {
        EXPECT_EQ(FormatResult(c.value), c.text) << c.value;
    }
}

TEST(FormatResult, StoredValueDecidesTheRounding) {
    // 1.2345 is stored just below, 19.9995 just above the decimal.
    EXPECT_EQ(FormatResult(1.2345), "1.234");
    EXPECT_EQ(FormatResult(19.9995), "20.000");
}

TEST(FormatResult, EdgesOfTheNotation) {
    const FormatCase cases[] = {
        {-0.0, "0.000"},
        {99999.5, "1E5"},
        {-99999.5, "-1E5"},
        {0.9995, "1.000"},
        {0.09995, "0.100"},
        {0.0123, "0.012"},
        {1e300, "1E300"},
        {1.5e-300, "0.000"},
        {4.9e-324, "0.000"},
        {-1e-9, "0.000"},
        {1.7976931348623157e308, "1.7977E308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatResult(c.value), c.text) << c.value;
    }
}

TEST(FormatResult, NonFiniteValues) {
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatResult(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatResult, WritesTheRegionalSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatResult(1.5), "1,500");
    EXPECT_EQ(FormatResult(123456.7), "1,2346E5");
    EXPECT_EQ(FormatResult(0), "0,000");
    SetDecimalSeparator('.');
}

// The parts list's figures: four significant digits at least, never fewer than the field shows,
// and more where rounding the shown figure again would not give the field's text.
TEST(FormatListFigure, KeepsFourDigitsAndReadsAsTheFieldAtItsPrecision) {
    const FormatCase cases[] = {
        {0, "0.000"},
        {-0.0, "0.000"},
        {0.00003, "3.000E-5"}, // the field reads 0.000
        {-1e-9, "-1.000E-9"},
        {0.0005, "5.000E-4"}, // the field's 0.001, rounded half away from zero
        {0.001, "0.001000"},
        {0.0123, "0.01230"},
        {-0.5, "-0.5000"},
        {0.9999, "0.9999"}, // the field's 1.000
        {0.99996, "1.000"},
        {1.5, "1.500"},
        {123.4567, "123.460"}, // as many digits as the field
        {12345.678, "12346.000"},
        {7850, "7850.000"},
        {99999.5, "1.000E5"},
        {123456.7, "1.2346E5"},
        {1e6, "1.000E6"},
        {1e300, "1.000E300"},
        {0.1234996, "0.1234996"}, // 0.1235 would read 0.124, the field 0.123
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatListFigure(c.value), c.text) << c.value;
    }
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatListFigure(0.25), "0,2500");
    EXPECT_EQ(FormatListFigure(0.00003), "3,000E-5");
    SetDecimalSeparator('.');
}

} // namespace
} // namespace volcalc
