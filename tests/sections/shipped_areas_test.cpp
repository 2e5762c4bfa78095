// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_library.h"
#include "sections/shipped_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace volcalc::sections {
namespace {

const std::filesystem::path ShippedFolder = std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections";

// One row as the file writes it: the designation and the tabulated area's text, which tells how
// finely the table rounded it.
struct TabulatedRow {
    std::string File;
    std::size_t Line = 0;
    std::string Designation;
    std::string AreaText;
};

std::vector<TabulatedRow> ReadTabulatedRows() {
    std::vector<TabulatedRow> rows;
    for (const ShippedTable& table : ShippedTables()) {
        if (table.File.starts_with("aisc_")) {
            continue; // their own test: american_sections_test.cpp
        }
        std::ifstream in(ShippedFolder / table.File);
        std::string line;
        for (std::size_t number = 1; std::getline(in, line); ++number) {
            if (number == 1 || line.empty()) {
                continue;
            }
            rows.push_back({std::string(table.File), number, line.substr(0, line.find(',')),
                            line.substr(line.rfind(',') + 1)});
        }
    }
    return rows;
}

// Half a unit of the last digit the table wrote, in cm².
double TableRounding(const std::string& areaText) {
    const std::size_t point = areaText.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(areaText.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

bool Agrees(double area, const std::string& areaText) {
    const double tabulated = std::stod(areaText);
    const double difference = std::abs(area / 100.0 - tabulated);
    return difference <= 0.005 * tabulated || difference <= TableRounding(areaText) + 1e-9;
}

const SectionCatalogue& Shipped() {
    static const SectionCatalogue catalogue = LoadSectionCatalogue({ShippedFolder, {}});
    return catalogue;
}

TEST(ShippedSections, EveryRowLoadsWithItsTabulatedArea) {
    const SectionCatalogue& catalogue = Shipped();
    EXPECT_TRUE(catalogue.Problems().empty()) << catalogue.Problems().front();
    const std::vector<TabulatedRow> rows = ReadTabulatedRows();
    ASSERT_EQ(rows.size(), 1179u);
    ASSERT_EQ(catalogue.Sections().size(), rows.size() + 1452u);
    for (const TabulatedRow& row : rows) {
        SCOPED_TRACE(row.File + ", line " + std::to_string(row.Line) + ": " + row.Designation);
        const Section* section = catalogue.Find(row.Designation);
        ASSERT_NE(section, nullptr);
        EXPECT_TRUE(Agrees(section->Area, row.AreaText))
            << section->Area / 100.0 << " cm2, table " << row.AreaText;
        // Only the named sizes take the table's figure; every other row is the rule's own.
        EXPECT_EQ(section->AreaFromTable, UsesTabulatedArea(row.Designation));
    }
}

TEST(ShippedSections, TabulatedAreasOnlyWhereTheRuleMissesTheTable) {
    const SectionCatalogue& catalogue = Shipped();
    std::size_t named = 0;
    for (const TabulatedRow& row : ReadTabulatedRows()) {
        if (!UsesTabulatedArea(row.Designation)) {
            continue;
        }
        SCOPED_TRACE(row.Designation);
        ++named;
        const Section* section = catalogue.Find(row.Designation);
        ASSERT_NE(section, nullptr);
        EXPECT_FALSE(Agrees(SectionArea(catalogue.FamilyOf(*section).Kind, section->Size), row.AreaText));
    }
    EXPECT_EQ(named, TabulatedAreaSizes().size());
}

} // namespace
} // namespace volcalc::sections
