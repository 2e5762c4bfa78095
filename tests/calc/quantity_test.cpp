// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"
#include "calc/quantity.h"

#include <gtest/gtest.h>

namespace volcalc {
namespace {

const QuantityRules& Q = QuantityFieldRules;

TEST(Quantity, ReadingIsNotClamped) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1", 1},           {"0", 0},    {"5000", 5000}, {"-7", -7}, {"  12", 12}, {"$10", 16},
        {"0x1F", 31},       {"X10", 16}, {"", 1},        {"1.5", 1}, {"12 ", 1},   {"abc", 1},
        {"99999999999", 1}, {"-", 1},    {"$", 1},       {"   ", 1}, {"+8", 8},    {"$FFFFFFFF", -1}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(Q.Read(text), value) << '"' << text << '"';
    }
}

TEST(Quantity, LeavingClampsOnlyWhenNeeded) {
    const std::pair<const char*, const char*> cases[] = {{"0", "1"},     {"5000", "1000"}, {"-7", "1"},
                                                         {"1.5", "1.5"}, {"abc", "abc"},   {"7", "7"},
                                                         {"007", "007"}, {"$10", "$10"},   {"$FFFF", "1000"}};
    for (const auto& [text, after] : cases) {
        EXPECT_EQ(Q.Leave(text), after) << text;
    }
}

TEST(Quantity, StepsAreClamped) {
    EXPECT_EQ(Q.StepUp("1000"), "1000");
    EXPECT_EQ(Q.StepDown("1"), "1");
    EXPECT_EQ(Q.StepUp("abc"), "2");
    EXPECT_EQ(Q.StepDown("abc"), "1");
    EXPECT_EQ(Q.StepUp("41"), "42");
    EXPECT_EQ(Q.StepUp("2147483647"), "1000");
    EXPECT_EQ(Q.StepDown("-2147483648"), "1");
    EXPECT_EQ(Q.Write(-3), "1");
}

TEST(Quantity, EqualLimitsClampNothing) {
    const QuantityRules open{5, 5, 1};
    EXPECT_EQ(open.Write(77), "77");
    EXPECT_EQ(open.Leave("-3"), "-3");
}

TEST(Quantity, KeyFilter) {
    for (char32_t key : {U'0', U'9', U'+', U'-', U'.', U'\b', char32_t{3}, char32_t{22}, char32_t{24}}) {
        EXPECT_TRUE(Q.AcceptsKey(key)) << static_cast<unsigned>(key);
    }
    for (char32_t key : {U'a', U'\r', U'\n', U' ', U',', U'$', U'x', U'\u00e9'}) {
        EXPECT_FALSE(Q.AcceptsKey(key)) << static_cast<unsigned>(key);
    }
    SetDecimalSeparator(',');
    EXPECT_TRUE(Q.AcceptsKey(U','));
    EXPECT_FALSE(Q.AcceptsKey(U'.'));
    SetDecimalSeparator('.');
}

} // namespace
} // namespace volcalc
