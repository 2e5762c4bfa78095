// SPDX-License-Identifier: GPL-3.0-or-later
#include "listed_materials.h"
#include "materials/material_catalogue.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <set>

namespace volcalc::test {
namespace {

// The catalogue a new user finds beside the program.
TEST(StarterCatalogue, LoadsWithUniqueNamesAndPositiveDensities) {
    ScriptedDialogs dialogs;
    MaterialCatalogue catalogue(std::string(VOLCALC_SOURCE_DIR) + "/data/volcalc.ini", dialogs);
    catalogue.LoadMaterials();
    const std::vector<std::string> names = NamesOf(catalogue.Materials());
    EXPECT_GE(names.size(), 25u);
    EXPECT_LE(names.size(), 40u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_FALSE(names[i].empty());
        EXPECT_NE(names[i], std::to_string(i)) << "entry " << i << " has no name";
        EXPECT_GT(catalogue.Materials()[i].Density, 1) << names[i]; // 1 is the default of an unreadable entry
    }
    EXPECT_EQ(catalogue.SelectedDensity(), 7850);
}

} // namespace
} // namespace volcalc::test
