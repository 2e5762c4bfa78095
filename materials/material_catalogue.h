#pragma once

#include "calc/ledger.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace volcalc {

inline constexpr std::string_view RemoveConfirmation = "This material will be deleted. Are you sure?";
inline constexpr std::string_view AddMaterialError = "Error at addition of a material";
inline constexpr std::string_view RemoveMaterialError = "Error at removing of a material";

// The executable's path with its extension replaced by ".ini" (".ini" appended when it has none).
std::filesystem::path CatalogueFilePath(const std::filesystem::path& executable);

// Everything the catalogue operations need from the desktop.
class CatalogueDialogs {
public:
    virtual ~CatalogueDialogs() = default;
    // Empties and shows the add-material dialog. On OK the dialog has handed over the name and the
    // density (MaterialCatalogue::NewMaterialName / NewMaterialDensity) and true is returned.
    virtual bool RunAddMaterialDialog() = 0;
    // The removal question; true only for "&Yes".
    virtual bool Confirm(const std::string& text) = 0;
    // An error dialog with the single button "&Yes".
    virtual void ShowError(const std::string& text) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
};

// The working copy of the material catalogue and its four operations. CurrentDensity belongs to
// the ledger; the catalogue writes it through the reference it is given.
class MaterialCatalogue : public DensitySource {
public:
    static constexpr std::size_t MaxMaterials = 1000000;

    MaterialCatalogue(std::filesystem::path iniPath, std::int32_t& currentDensity, CatalogueDialogs& dialogs);

    const std::filesystem::path& IniPath() const { return m_iniPath; }
    const std::vector<std::string>& Names() const { return m_names; }
    const std::vector<std::int32_t>& MaterialDensities() const { return m_densities; }
    int SelectedIndex() const { return m_selected; }
    // The text of the density field.
    const std::string& DensityText() const { return m_densityText; }

    // Handed over by the add-material dialog.
    std::string NewMaterialName;
    std::int32_t NewMaterialDensity = 0;

    void LoadMaterials();
    // The user picks a material (-1 for none); runs the selection step.
    void PickMaterial(int index);
    std::int32_t SelectedDensity() const override;
    void SelectMaterial() override;
    void AddMaterial();
    void RemoveMaterial();

private:
    std::filesystem::path m_iniPath;
    std::int32_t& m_currentDensity;
    CatalogueDialogs& m_dialogs;
    std::vector<std::string> m_names;
    std::vector<std::int32_t> m_densities;
    int m_selected = -1;
    std::string m_densityText = "0";
};

} // namespace volcalc
