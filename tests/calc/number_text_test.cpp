// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/errors.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace volcalc {
namespace {

// Each test starts from "." as the regional separator and restores it.
class SeparatorGuard {
public:
    explicit SeparatorGuard(char separator) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator('.'); }
};

std::string ConvertMessage(std::string_view text) {
    try {
        ParseDecimalText(text);
    } catch (const CalculationError& e) {
        return e.what();
    }
    return "<no error>";
}

struct ReadCase {
    const char* name;
    const char* text;
    double expected;
};

class ParseDecimalReads : public testing::TestWithParam<ReadCase> {};

TEST_P(ParseDecimalReads, WithEitherRegionalSeparator) {
    for (char separator : {'.', ','}) {
        SeparatorGuard guard(separator);
        EXPECT_EQ(ParseDecimalText(GetParam().text), GetParam().expected) << "separator " << separator;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseDecimalReads,
    testing::Values(ReadCase{"Point", "1.5", 1.5}, ReadCase{"Comma", "1,5", 1.5},
                    ReadCase{"LeadingBlank", " 1.5", 1.5}, ReadCase{"PlusSign", "+1.5", 1.5},
                    ReadCase{"MinusComma", "-1,5", -1.5}, ReadCase{"NoIntegerPart", ".5", 0.5},
                    ReadCase{"TrailingPoint", "5.", 5}, ReadCase{"TrailingComma", "5,", 5},
                    ReadCase{"Whole", "12", 12}, ReadCase{"LeadingZeros", "007", 7},
                    ReadCase{"ExponentWithoutSeparator", "2e3", 2000},
                    ReadCase{"TinyFraction", "0.0000000001", 1e-10},
                    ReadCase{"ManyDigits", "3.14159265358979", 3.14159265358979},
                    ReadCase{"ExponentAfterFraction", "1.5e3", 1500}, ReadCase{"TrailingBlanks", "1,5 ", 1.5},
                    ReadCase{"LoneSeparator", "0.", 0}, ReadCase{"ExponentWithoutDigits", "3E", 3},
                    ReadCase{"NegativeExponent", "25e-1", 2.5}, ReadCase{"Underflow", "1e-499", 0},
                    ReadCase{"DoubleRange", "1.7e308", 1.7e308}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailCase {
    const char* name;
    std::string text;
    std::string message;
};

class ParseDecimalFails : public testing::TestWithParam<FailCase> {};

TEST_P(ParseDecimalFails, WithTheMessageShown) {
    EXPECT_EQ(ConvertMessage(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalFails,
    testing::Values(
        FailCase{"Grouping", "1 000", "'1 000' is not a valid floating point value"},
        FailCase{"LonePoint", ".", "'' is not a valid floating point value"},
        FailCase{"LoneComma", ",", "'' is not a valid floating point value"},
        FailCase{"Empty", "", "'' is not a valid floating point value"},
        FailCase{"LoneSign", "-", "'-' is not a valid floating point value"},
        FailCase{"Blank", " ", "' ' is not a valid floating point value"},
        FailCase{"LetterAfterFraction", "1.5a", "'15a' is not a valid floating point value"},
        FailCase{"Letter", "12a", "'12a' is not a valid floating point value"},
        FailCase{"PointAndComma", "1.5,2", "'1.5,2' is not a valid floating point value"},
        FailCase{"TwoPoints", "1.2.3", "'1.2.3' is not a valid floating point value"},
        FailCase{"Tab", "\t1", "'\t1' is not a valid floating point value"},
        FailCase{"ExponentTooLong", "1e6000", "'1e6000' is not a valid floating point value"},
        FailCase{"Overflow", "1e600", "Floating point overflow"},
        FailCase{"OverflowAfterSeparator", "1.5e400", "Floating point overflow"},
        // Ten to the power of the fraction's length is beyond the extended range.
        FailCase{"FractionTooLong", "0." + std::string(5000, '0') + "1", "Floating point overflow"},
        FailCase{"FractionOfZerosTooLong", "0." + std::string(9998, '0'), "Floating point overflow"},
        FailCase{"BeyondExtended", "1" + std::string(10000, '0'),
                 "'1" + std::string(10000, '0') + "' is not a valid floating point value"},
        FailCase{"NotText", "\xff\xfe\x01", "'\xff\xfe\x01' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumberText, UsesOnlyTheRegionalSeparator) {
    SeparatorGuard guard(',');
    EXPECT_EQ(ReadNumberText("1,25"), 1.25L);
    EXPECT_THROW(ReadNumberText("1.25"), NotANumberError);
    EXPECT_EQ(ReadNumberText(","), 0.0L);
}

TEST(ReadNumberText, ReadsInExtendedPrecision) {
    // 2^64 - 1 keeps every digit in the 64-bit significand, which a double could not.
    EXPECT_EQ(ReadNumberText("18446744073709551615"), 18446744073709551615.0L);
    EXPECT_EQ(ReadNumberText("1e4000"), std::pow(10.0L, 4000));
}

struct DensityCase {
    const char* text;
    std::int32_t density;
};

TEST(DensityFromText, TruncatesTowardZero) {
    const DensityCase cases[] = {{"7850", 7850},
                                 {"7850.9", 7850},
                                 {"7850,9", 7850},
                                 {"-3.7", -3},
                                 {"0.4", 0},
                                 {"2.999", 2},
                                 {"-0.5", 0},
                                 {"2147483647.9", 2147483647},
                                 {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(DensityFromText(c.text), c.density) << c.text;
    }
}

TEST(DensityFromText, RefusesWholePartsBeyondThirtyTwoBits) {
    for (const char* text : {"2147483648", "-2147483649", "1e20"}) {
        try {
            DensityFromText(text);
            ADD_FAILURE() << text;
        } catch (const NotANumberError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(DensityFromText(""), NotANumberError);
}

TEST(ReadIntegerText, DecimalAndHexadecimalForms) {
    const std::pair<const char*, std::int32_t> good[] = {{"7850", 7850},
                                                         {"+12", 12},
                                                         {"-5", -5},
                                                         {"$1EAA", 7850},
                                                         {"0x1eaa", 7850},
                                                         {"0X1EAA", 7850},
                                                         {"x10", 16},
                                                         {"X10", 16},
                                                         {"$FFFFFFFF", -1},
                                                         {"$000000010", 16},
                                                         {"2147483647", 2147483647},
                                                         {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(ReadIntegerText(text), value) << text;
    }
    for (const char* text : {"", "+", "-", "$", "0x", "1.5", "12 ", " 12", "7,850", "2147483648",
                             "-2147483649", "$123456789", "-$10", "+0x10", "0x1G", "abc"}) {
        EXPECT_FALSE(ReadIntegerText(text).has_value()) << text;
    }
}

TEST(ErrorBoxText, AppendsAPeriodAfterHigherCodes) {
    EXPECT_EQ(ErrorBoxText("'12a' is not a valid floating point value"),
              "'12a' is not a valid floating point value.");
    EXPECT_EQ(ErrorBoxText("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("(x)"), "(x)");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("value 7"), "value 7.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

} // namespace
} // namespace volcalc
