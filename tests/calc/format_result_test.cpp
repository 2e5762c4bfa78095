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
        {61023.744094732, "61024.000"},
        {35.31466672148859, "35.315"},
        {1.3079506193143922, "1.308"},
        {1e6, "1E6"},
        {7850000, "7.85E6"},
        {17306.437389770723, "17306.000"},
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

} // namespace
} // namespace volcalc
