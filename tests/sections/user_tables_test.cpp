// SPDX-License-Identifier: GPL-3.0-or-later
#include "../materials/temp_folder.h"
#include "sections/section_library.h"

#include <gtest/gtest.h>

namespace volcalc::sections {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(UserSectionTables, BadRowsAreNamedAndTheRestLoad) {
    TempFolder user;
    const std::string file = (user / "alu.csv").string();
    WriteBytes(user / "alu.csv", "# family: Aluminium I\r\n"
                                 "# kind: I\r\n"
                                 "designation,h,b,tw,tf,r1,r2,area_cm2\r\n"
                                 "ALU I 100,100,50,5,8,6,,\r\n"
                                 "ALU I 120,120,60,5,x8,6,,\r\n"
                                 "\r\n"
                                 "ALU I 140,140,70,5,8\r\n"
                                 "ALU I 160,160,80,5,80,6,,\r\n"
                                 "ipe 200,200,100,5.6,8.5,12,,\r\n"
                                 ",100,50,5,8,6,,\r\n"
                                 "\"ALU I 180, long\",180,90,6,9,6,,\r\n"
                                 "ALU\tI 200,200,100,6,9,6,,\r\n"
                                 "ALU I 220 " +
                                     std::string(51, 'x') + ",220,110,6,9,6,,\r\n");
    const SectionCatalogue catalogue =
        LoadSectionCatalogue({std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", user.Path()});
    const std::vector<std::string> expected = {
        file + ", line 5: 'x8' in column tf is not a number of 0 or more; the row is left out.",
        file + ", line 7: 5 fields where the header has 8; the row is left out.",
        file + ", line 8: the flanges are as deep as the section; the row is left out.",
        file + ", line 9: 'ipe 200' is listed already; the row is left out.",
        file + ", line 10: no designation; the row is left out.",
        file + ", line 12: the designation 'ALU\\x09I 200' holds a control character; the row is left out.",
        file + ", line 13: the designation 'ALU I 220 " + std::string(50, 'x') +
            "...' is longer than 60 characters; the row is left out.",
    };
    EXPECT_EQ(std::vector<std::string>(catalogue.Problems().begin(), catalogue.Problems().end()), expected);
    const Section* small = catalogue.Find("alu i 100");
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(catalogue.FamilyOf(*small).Name, "Aluminium I");
    EXPECT_EQ(catalogue.FamilyOf(*small).Kind, SectionKind::IBeam);
    EXPECT_NEAR(small->Area, 2 * 50 * 8 + 84 * 5 + 4 * 36 * (1 - 3.14159265358979 / 4), 1e-9);
    EXPECT_NE(catalogue.Find("ALU I 180, long"), nullptr);
}

TEST(UserSectionTables, FilesWithoutAKindOrAHeader) {
    TempFolder user;
    // Without a kind, the supplier's own areas are the areas, and must be given.
    WriteBytes(user / "a_tubes.csv", "designation,h,b,t,area_cm2\nT 40x2,40,40,2,2.39\nT 50x2,50,50,2,\n");
    WriteBytes(user / "b_wrong.csv", "name,height\nX 1,2\n");
    WriteBytes(user / "c_unknown_kind.csv",
               "# kind: Z\ndesignation,h,b,t,r1,r2,area_cm2\nLL 1,40,40,4,0,0,3.1\n");
    WriteBytes(user / "notes.txt", "not a table\n");
    const SectionCatalogue catalogue = LoadSectionCatalogue({{}, user.Path()});
    const std::vector<std::string> expected = {
        (user / "a_tubes.csv").string() + ", line 3: no value in column area_cm2; the row is left out.",
        (user / "b_wrong.csv").string() +
            ", line 1: the header is not 'designation,h,b,tw,tf,r1,r2,area_cm2', "
            "'designation,h,b,t,r1,r2,area_cm2' "
            "or 'designation,h,b,t,area_cm2'; the file is left out.",
        (user / "c_unknown_kind.csv").string() + ", line 1: unknown kind 'Z'; the tabulated areas are used.",
    };
    EXPECT_EQ(std::vector<std::string>(catalogue.Problems().begin(), catalogue.Problems().end()), expected);
    ASSERT_EQ(catalogue.Families().size(), 2u);
    EXPECT_EQ(catalogue.Families()[0].Name, "a_tubes");
    EXPECT_EQ(catalogue.Families()[0].Columns, TableColumns::Hollow);
    const Section* tube = catalogue.Find("T 40x2");
    ASSERT_NE(tube, nullptr);
    EXPECT_TRUE(tube->AreaFromTable);
    EXPECT_DOUBLE_EQ(tube->Area, 239.0);
    EXPECT_EQ(catalogue.Sections().size(), 2u);
}

TEST(UserSectionTables, AmericanColumns) {
    TempFolder user;
    const std::string file = (user / "mine.csv").string();
    WriteBytes(
        user / "mine.csv",
        "designation,metric_designation,d_mm,bf_mm,tw_mm,tf_mm,kdes_mm,area_mm2,area_in2,perimeter_pb_mm\r\n"
        "MY8X10,MY200X15,200,100,5,8,20,,2,\r\n"
        "MY8X11,my8x10,200,100,5,8,20,1300,,\r\n"
        "MY8X12,,200,100,5,8,6,1300,,\r\n"
        "MY8X13,,200,100,5,8,20,,1e308,\r\n");
    const SectionCatalogue catalogue = LoadSectionCatalogue({{}, user.Path()});
    const std::vector<std::string> expected = {
        file + ", line 4: kdes is less than the flange thickness; the row is left out.",
        file + ", line 5: the area is too large for any section; the row is left out.",
    };
    EXPECT_EQ(std::vector<std::string>(catalogue.Problems().begin(), catalogue.Problems().end()), expected);
    ASSERT_NE(catalogue.Find("my 200 x 15"), nullptr);
    EXPECT_EQ(catalogue.Find("my 200 x 15")->Designation, "MY8X10");
    EXPECT_DOUBLE_EQ(catalogue.Find("MY8X10")->Area, 2 * 645.16); // the tabulated area: no kind
    // A section's own designation wins over another's metric one.
    EXPECT_EQ(catalogue.Find("MY8X10")->Designation, "MY8X10");
    EXPECT_EQ(catalogue.Find("MY8X11")->Size.RootRadius, 12);
}

} // namespace
} // namespace volcalc::sections
