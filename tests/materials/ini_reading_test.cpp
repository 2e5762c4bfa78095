// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_folder.h"

#include "materials/ini_file.h"

#include <gtest/gtest.h>

namespace volcalc::test {
namespace {

struct ValueCase {
    std::string_view Line; // the line under [Material]
    std::string_view Key;
    std::string Expected;
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c) {
    return out << c.Line;
}

class ReadStringTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadStringTest, ReadsValueByTheRules) {
    TempFolder folder;
    WriteBytes(folder / "a.ini", "[Other]\nname=wrong\n[Material]\n" + std::string(GetParam().Line) + "\n");
    const IniFile ini(folder / "a.ini");
    EXPECT_EQ(ini.ReadString("Material", GetParam().Key, "default"), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadStringTest,
    ::testing::Values(
        ValueCase{"name=Steel", "name", "Steel"}, ValueCase{"name= \t Steel \t ", "name", "Steel"},
        ValueCase{"  name  =Steel", "name", "Steel"}, ValueCase{"NAME=Steel", "Name", "Steel"},
        ValueCase{"name=\"Steel\"", "name", "Steel"}, ValueCase{"name='Steel'", "name", "Steel"},
        ValueCase{"name= \" Steel \" ", "name", " Steel "},
        ValueCase{"name=\"\"Steel\"\"", "name", "\"Steel\""}, ValueCase{"name=\"Steel'", "name", "\"Steel'"},
        ValueCase{"name=\"", "name", "\""}, ValueCase{"name=''", "name", ""}, ValueCase{"name=", "name", ""},
        ValueCase{"name=a=b", "name", "a=b"}, ValueCase{"name=x\r", "name", "x"},
        ValueCase{"other=Steel", "name", "default"}, ValueCase{";name=Steel", "name", "default"},
        ValueCase{"#name=Steel", "name", "default"}, ValueCase{"name", "name", "default"}));

TEST(ReadStringTest, CutsLongValuesAtWholeCharacters) {
    TempFolder folder;
    std::string umlauts;
    for (int i = 0; i < 3000; ++i) {
        umlauts += "\xC3\xA4";
    }
    WriteBytes(folder / "a.ini", "[s]\nk=" + umlauts + "\n");
    EXPECT_EQ(IniFile(folder / "a.ini").ReadString("s", "k", ""), umlauts.substr(0, 2 * 2047));
}

struct IntegerCase {
    std::string_view Value;
    std::int32_t Expected;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << '"' << c.Value << '"';
}

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsIntegerOrDefault) {
    TempFolder folder;
    WriteBytes(folder / "a.ini", "[Density]\n0=" + std::string(GetParam().Value) + "\n");
    EXPECT_EQ(IniFile(folder / "a.ini").ReadInteger("density", "0", -99), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Integers, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"7850", 7850}, IntegerCase{"  7850  ", 7850},
                                           IntegerCase{"+7850", 7850}, IntegerCase{"-7850", -7850},
                                           IntegerCase{"\"7850\"", 7850}, IntegerCase{"0x1EAA", 7850},
                                           IntegerCase{"0X1eaa", 7850}, IntegerCase{"$1EAA", 7850},
                                           IntegerCase{"x1EAA", 7850}, IntegerCase{"$FFFFFFFF", -1},
                                           IntegerCase{"2147483647", 2147483647},
                                           IntegerCase{"-2147483648", -2147483647 - 1}));

INSTANTIATE_TEST_SUITE_P(NotIntegers, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"", -99}, IntegerCase{"7,850", -99},
                                           IntegerCase{"7850.0", -99}, IntegerCase{"7850 kg", -99},
                                           IntegerCase{"2147483648", -99}, IntegerCase{"$123456789", -99},
                                           IntegerCase{"- 5", -99}, IntegerCase{"abc", -99}));

} // namespace
} // namespace volcalc::test
