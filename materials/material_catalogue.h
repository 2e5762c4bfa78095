// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "materials/catalogue_store.h"

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
inline constexpr std::string_view PricesError = "Error at saving the prices";

// The executable's path with its extension replaced by ".ini" (".ini" appended when it has none).
std::filesystem::path CatalogueFilePath(const std::filesystem::path& executable);

// Everything the catalogue operations need from the desktop.
class CatalogueDialogs {
public:
    virtual ~CatalogueDialogs() = default;
    // Empties and shows the add-material dialog: the material on OK, nothing on Cancel.
    virtual std::optional<Material> AskNewMaterial() = 0;
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
    static constexpr std::size_t MaxMaterials = volcalc::MaxMaterials;

    MaterialCatalogue(CatalogueFiles files, CatalogueDialogs& dialogs);
    // One file, read and written.
    MaterialCatalogue(const std::filesystem::path& iniPath, CatalogueDialogs& dialogs);

    // How the file is written; the real file system unless a test puts a failing writer in.
    void SetFileWriter(FileWriter& writer) { m_store.SetFileWriter(&writer); }
    CatalogueStore& Store() { return m_store; }

    // The catalogue that changes are written to.
    const std::filesystem::path& IniPath() const { return m_store.Files().File; }
    // "FILE: reason" when the last load found a catalogue that cannot be read (empty list then).
    const std::string& ReadProblem() const { return m_readProblem; }
    // "FILE: problem" when the last load found a file that no change may touch.
    const std::string& Damage() const { return m_damage; }
    const MaterialList& Materials() const { return m_materials; }
    int SelectedIndex() const { return m_selected; }
    // The selected material, nothing with none selected.
    std::optional<MaterialView> SelectedMaterial() const;

    // Fills the list from the file (empty without one) and selects the first material. At most
    // MaxMaterials are loaded; missing entries are listed as their index with density 1.
    void LoadMaterials();
    // Reads the list again after another program changed the file. The picked material stays
    // picked where it is still listed (the density in force is the ledger's and stays as it was).
    // When another program removed it, the first material is picked, as after a removal, and the
    // answer is true: the density in force is then to follow the pick, as it does after a removal.
    // A file that can no longer be read leaves the list as it was, with ReadProblem telling why.
    bool ReloadMaterials();
    // Selects a material (-1, or any index outside the list, for none).
    void PickMaterial(int index);
    // The selected material's density, 0 with none selected.
    std::int32_t SelectedDensity() const override;
    std::string SelectedName() const override;
    // The selected material's price per kilogram; none with none selected or without a price.
    std::optional<double> SelectedPrice() const override;
    // The currency of the prices; empty for none.
    const std::string& Currency() const { return m_currency; }
    // Gives the materials given the prices they carry (each found by name and density near its
    // position) and, when given, sets the currency, as one change. When it is refused the error
    // dialog is shown; either way the list is then the file's, the pick kept. True when it was made.
    bool SetPrices(const std::vector<ListedMaterial>& materials, const std::optional<std::string>& currency);
    // Asks for a material and appends it to the file's entries; the selection stays. When the
    // change is refused, the error dialog is shown and the file stays as it was. Either way the
    // list is then the file's.
    void AddMaterial();
    // The same without asking: the material is given.
    void AddMaterial(MaterialView material);
    // After confirmation, removes the selected material from the file and reloads the list, with
    // the first material selected. Nothing is asked or removed with nothing selected. When the
    // change is refused (the material is gone, the file cannot be written), the error dialog is
    // shown and the list is the file's. The busy pointer is on for the whole operation.
    void RemoveMaterial();

private:
    void TakeList(MaterialList list);
    // Takes the file's list with the picked material picked again, found by name and density;
    // true when it is gone, the first material picked then.
    bool TakeListKeepingPick(MaterialList list);
    void ShowRefusal(std::string_view message, const std::string& detail);

    CatalogueStore m_store;
    CatalogueDialogs& m_dialogs;
    std::string m_readProblem;
    std::string m_damage;
    MaterialList m_materials;
    std::string m_currency;
    int m_selected = -1;
};

} // namespace volcalc
