// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_library.h"

#include <gtest/gtest.h>

namespace volcalc::sections {
namespace {

const SectionCatalogue& Shipped() {
    static const SectionCatalogue catalogue =
        LoadSectionCatalogue({std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", {}});
    return catalogue;
}

TEST(SectionDesignation, MatchesIgnoringCaseAndBlanks) {
    const struct {
        const char* typed;
        const char* designation;
    } cases[] = {
        {"ipe200", "IPE 200"},
        {" IPE  200 ", "IPE 200"},
        {"IpE a 200", "IPE A 200"},
        {"HE 200 A", "HEA 200"},
        {"he200b", "HEB 200"},
        {"HE 1000 M", "HEM 1000"},
        {"he 600 x 337", "HE 600x337"}, // a heavy HE whose name ends in a digit stays as it is
        {"cfrhs50x25x2.5", "CFRHS 50x25x2.5"},
        {"l20x20x3", "L 20x20x3"},
    };
    for (const auto& c : cases) {
        const Section* section = Shipped().Find(c.typed);
        ASSERT_NE(section, nullptr) << c.typed;
        EXPECT_EQ(section->Designation, c.designation) << c.typed;
    }
    for (const char* unknown : {"IPE 210", "HE 200 C", "IPE 200 A", "hfrhs50x25x2", "IPE"}) {
        EXPECT_EQ(Shipped().Find(unknown), nullptr) << unknown;
    }
}

TEST(SectionDesignation, UnknownOneNamesTheNearestSizesOfItsFamily) {
    const struct {
        const char* typed;
        const char* closest;
    } cases[] = {
        {"IPE 201", "IPE 200, IPE 220, IPE 180"},                     // by size, not by letters in common
        {"IPE 210", "IPE 200, IPE 220, IPE 180"},                     // a tie in size keeps the table's order
        {"HE 200", "HEA 200, HEB 200, HEM 200"},                      // the series letter missing
        {"L 100x100x17", "L 100x100x16, L 100x100x18, L 100x100x15"}, // the last size too
        {"ipe 5000", "IPE 600, IPE 550, IPE 500"},                    // beyond the largest
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Shipped().UnknownMessage(c.typed, c.typed),
                  "Unknown section \"" + std::string(c.typed) + "\"; closest: " + c.closest + ".");
    }
    EXPECT_EQ(SectionCatalogue().UnknownMessage("IPE 200", "IPE 200"),
              "Unknown section \"IPE 200\"; no section tables were loaded.");
}

TEST(SectionDesignation, ListingSearchIgnoresCaseAndBlanks) {
    std::vector<std::string> found;
    for (const NamedSection& named : Shipped().Containing("hea 10")) {
        found.push_back(std::string(named.Designation));
    }
    EXPECT_EQ(found, (std::vector<std::string>{"HEA 100", "HEA 1000"}));
    EXPECT_EQ(Shipped().Containing("").size(), Shipped().Sections().size());
}

} // namespace
} // namespace volcalc::sections
