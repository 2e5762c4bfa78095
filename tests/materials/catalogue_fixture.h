// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listed_materials.h"
#include "scripted_dialogs.h"
#include "temp_folder.h"

#include "materials/material_catalogue.h"

#include <gtest/gtest.h>

namespace volcalc::test {

// A catalogue over "volcalc.ini" in a folder of its own, with scripted dialogs.
class CatalogueTest : public ::testing::Test {
protected:
    // Writes the file and loads it, as the window does at start.
    void Load(std::string_view content) {
        WriteBytes(IniPath, content);
        Catalogue.LoadMaterials();
    }
    std::string File() const { return ReadBytes(IniPath); }
    void Add(std::string name, std::int32_t density) {
        Dialogs.NewName = std::move(name);
        Dialogs.NewDensity = density;
        Catalogue.AddMaterial();
    }
    void ExpectList(const std::vector<std::string>& names, const std::vector<std::int32_t>& densities) {
        EXPECT_EQ(NamesOf(Catalogue.Materials()), names);
        EXPECT_EQ(DensitiesOf(Catalogue.Materials()), densities);
    }

    TempFolder Folder;
    std::filesystem::path IniPath = Folder / "volcalc.ini";
    ScriptedDialogs Dialogs;
    MaterialCatalogue Catalogue{IniPath, Dialogs};
};

// Three materials, as most tests start from.
inline constexpr std::string_view ThreeMaterials = "[Count]\nCount=3\n"
                                                   "[Material]\n0=Steel\n1=Aluminium\n2=Copper\n"
                                                   "[Density]\n0=7850\n1=2700\n2=8900\n";

} // namespace volcalc::test
