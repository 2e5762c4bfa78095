#pragma once

#include "calc/ledger.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace volcalc {

class FileWriter;

inline constexpr std::string_view RemoveConfirmation = "This material will be deleted. Are you sure?";
inline constexpr std::string_view AddMaterialError = "Error at addition of a material";
inline constexpr std::string_view RemoveMaterialError = "Error at removing of a material";

// The executable's path with its extension replaced by ".ini" (".ini" appended when it has none).
std::filesystem::path CatalogueFilePath(const std::filesystem::path& executable);

// A material as the user typed it into the add-material dialog.
struct NewMaterial {
    std::string Name;
    std::int32_t Density = 0;
};

// Everything the catalogue operations need from the desktop.
class CatalogueDialogs {
public:
    virtual ~CatalogueDialogs() = default;
    // Empties and shows the add-material dialog: the material on OK, nothing on Cancel.
    virtual std::optional<NewMaterial> AskNewMaterial() = 0;
    // The removal question; true only for "&Yes".
    virtual bool Confirm(const std::string& text) = 0;
    // An error dialog with the single button "&Yes".
    virtual void ShowError(const std::string& text) = 0;
    // On for the whole of RemoveMaterial; a dialog shown meanwhile keeps the normal pointer.
    virtual void SetBusyCursor(bool busy) = 0;
};

// The working copy of the material catalogue and its operations. The density in force is the
// ledger's: it follows the selection when the user picks a material and before every calculation,
// never on its own.
class MaterialCatalogue : public DensitySource {
public:
    static constexpr std::size_t MaxMaterials = 1000000;

    MaterialCatalogue(std::filesystem::path iniPath, CatalogueDialogs& dialogs);

    // How the file is written; the real file system unless a test puts a failing writer in.
    void SetFileWriter(FileWriter& writer) { m_writer = &writer; }

    const std::filesystem::path& IniPath() const { return m_iniPath; }
    const std::vector<std::string>& Names() const { return m_names; }
    const std::vector<std::int32_t>& MaterialDensities() const { return m_densities; }
    int SelectedIndex() const { return m_selected; }

    // Fills the list from the file (empty without one) and selects the first material. At most
    // MaxMaterials are loaded; missing entries are listed as their index with density 1.
    void LoadMaterials();
    // Selects a material (-1, or any index outside the list, for none).
    void PickMaterial(int index);
    // The selected material's density, 0 with none selected.
    std::int32_t SelectedDensity() const override;
    // Asks for a material and appends it to the list and the file; the selection stays. When the
    // file cannot be written, or the list is full, the error dialog is shown and nothing changes.
    void AddMaterial();
    // The same without asking: the material is given.
    void AddMaterial(const NewMaterial& material);
    // After confirmation, removes the selected material from the file and reloads the list, with
    // the first material selected. Nothing is asked or removed with nothing selected. When the file
    // cannot be written, the error dialog is shown and nothing changes. The busy pointer is on
    // for the whole operation.
    void RemoveMaterial();

private:
    void RemoveSelected();

    std::filesystem::path m_iniPath;
    CatalogueDialogs& m_dialogs;
    FileWriter* m_writer = nullptr; // the real file system
    std::vector<std::string> m_names;
    std::vector<std::int32_t> m_densities;
    int m_selected = -1;
};

} // namespace volcalc
