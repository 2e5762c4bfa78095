// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_fixture.h"

#include <random>

namespace volcalc::test {
namespace {

// Whatever the file holds, loading gives some list and a later addition still works.
class BadFileTest : public CatalogueTest, public ::testing::WithParamInterface<std::string (*)()> {};

TEST_P(BadFileTest, LoadsAndAddsWithoutHarm) {
    Load(GetParam()());
    const std::size_t count = Catalogue.Materials().size();
    Add("Oak", 700);
    ASSERT_EQ(Catalogue.Materials().size(), count + 1);
    Catalogue.LoadMaterials();
    EXPECT_EQ(Catalogue.Materials().back().Name, "Oak");
}

std::string BinaryJunk() {
    std::mt19937 random(7);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    return bytes;
}

std::string NulBytes() {
    return std::string("[Count]\0\nCount=2\n[Material]\n0=St\0eel\n\0\0\0\n", 40);
}

std::string FiftyMegabytes() {
    std::string file(ThreeMaterials);
    const std::string line = "; " + std::string(98, 'x') + "\n";
    while (file.size() < 50'000'000) {
        file += line;
    }
    return file;
}

std::string MegabyteLine() {
    return "[Count]\nCount=1\n[Material]\n0=" + std::string(1 << 20, 'a') + "\n";
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileTest,
                         ::testing::Values(&BinaryJunk, &NulBytes, &FiftyMegabytes, &MegabyteLine));

TEST_F(CatalogueTest, NulBytesStayInNames) {
    Load(NulBytes());
    ExpectList({std::string("St\0eel", 6), "1"}, {1, 1});
}

TEST_F(CatalogueTest, HugeCountLoadsCappedList) {
    Load("[Count]\nCount=2147483647\n[Material]\n0=Steel\n[Density]\n0=7850\n");
    ASSERT_EQ(Catalogue.Materials().size(), MaterialCatalogue::MaxMaterials);
    EXPECT_EQ(Catalogue.Materials()[999'999].Name, "999999");
    EXPECT_EQ(Catalogue.Materials()[999'999].Density, 1);
    EXPECT_EQ(Catalogue.SelectedDensity(), 7850);
}

} // namespace
} // namespace volcalc::test
