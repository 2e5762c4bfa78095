// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/material_catalogue.h"

#include "calc/number_text.h"
#include "materials/ini_file.h"

namespace volcalc {

namespace {

// The busy pointer for as long as the guard lives, and the normal one again on every way out.
class BusyCursor {
public:
    explicit BusyCursor(CatalogueDialogs& dialogs) : m_dialogs(dialogs) { m_dialogs.SetBusyCursor(true); }
    ~BusyCursor() { m_dialogs.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    CatalogueDialogs& m_dialogs;
};

} // namespace

std::filesystem::path CatalogueFilePath(const std::filesystem::path& executable) {
    // Cut at the last dot of the name itself; a dot in a folder name does not count.
    std::string name = executable.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return executable.parent_path() / (name + ".ini");
}

MaterialCatalogue::MaterialCatalogue(CatalogueFiles files, CatalogueDialogs& dialogs)
    : m_store(std::move(files)), m_dialogs(dialogs) {}

MaterialCatalogue::MaterialCatalogue(const std::filesystem::path& iniPath, CatalogueDialogs& dialogs)
    : MaterialCatalogue(CatalogueFiles(iniPath), dialogs) {}

void MaterialCatalogue::LoadMaterials() {
    CatalogueStore::Snapshot snapshot = m_store.Load();
    m_readProblem = std::move(snapshot.ReadProblem);
    m_damage = std::move(snapshot.Damage);
    TakeList(std::move(snapshot.List));
    m_currency = std::move(snapshot.Currency);
    m_selected = m_materials.empty() ? -1 : 0;
}

bool MaterialCatalogue::ReloadMaterials() {
    CatalogueStore::Snapshot snapshot = m_store.Load();
    m_readProblem = std::move(snapshot.ReadProblem);
    if (!m_readProblem.empty()) {
        return false; // the materials as last read stay listed; any change is refused until it reads again
    }
    m_damage = std::move(snapshot.Damage);
    const bool gone = TakeListKeepingPick(std::move(snapshot.List));
    m_currency = std::move(snapshot.Currency);
    return gone;
}

void MaterialCatalogue::TakeList(MaterialList list) {
    m_materials = std::move(list);
}

bool MaterialCatalogue::TakeListKeepingPick(MaterialList list) {
    std::optional<std::size_t> picked;
    if (m_selected >= 0) {
        const auto index = static_cast<std::size_t>(m_selected);
        const MaterialView material = m_materials[index];
        picked = FindEntry(list, index, material);
        if (!picked) { // a name that reads back otherwise once written, as " a " within quotes
            picked = FindEntry(list, index, {IniFile::ValueByRules(material.Name), material.Density});
        }
    }
    const bool gone = m_selected >= 0 && !picked;
    TakeList(std::move(list));
    m_selected = picked ? static_cast<int>(*picked) : gone && !m_materials.empty() ? 0 : -1;
    return gone;
}

void MaterialCatalogue::PickMaterial(int index) {
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < m_materials.size();
    m_selected = inList ? index : -1;
}

std::optional<MaterialView> MaterialCatalogue::SelectedMaterial() const {
    if (m_selected < 0) {
        return std::nullopt;
    }
    return m_materials[static_cast<std::size_t>(m_selected)];
}

std::int32_t MaterialCatalogue::SelectedDensity() const {
    const auto material = SelectedMaterial();
    return material ? material->Density : 0;
}

std::string MaterialCatalogue::SelectedName() const {
    const auto material = SelectedMaterial();
    return material ? std::string(material->Name) : std::string();
}

std::optional<double> MaterialCatalogue::SelectedPrice() const {
    const auto material = SelectedMaterial();
    return material ? material->Price : std::nullopt;
}

bool MaterialCatalogue::SetPrices(const std::vector<ListedMaterial>& materials,
                                  const std::optional<std::string>& currency) {
    CatalogueStore::Change change = m_store.SetPrices(materials, currency);
    if (change.After) {
        TakeListKeepingPick(std::move(*change.After));
        m_currency = std::move(change.CurrencyAfter);
    }
    if (!change.Done) {
        ShowRefusal(PricesError, change.Detail);
    }
    return change.Done;
}

void MaterialCatalogue::ShowRefusal(std::string_view message, const std::string& detail) {
    m_dialogs.ShowError(detail.empty() ? std::string(message) : std::string(message) + "\n" + detail);
}

void MaterialCatalogue::AddMaterial() {
    if (const std::optional<Material> material = m_dialogs.AskNewMaterial()) {
        AddMaterial(*material);
    }
}

void MaterialCatalogue::AddMaterial(MaterialView material) {
    CatalogueStore::Change change = m_store.Add(material);
    if (change.After) {
        TakeListKeepingPick(std::move(*change.After));
        m_currency = std::move(change.CurrencyAfter);
    }
    if (!change.Done) {
        ShowRefusal(AddMaterialError, change.Detail);
    }
}

void MaterialCatalogue::RemoveMaterial() {
    const BusyCursor busy(m_dialogs);
    if (m_materials.empty() || m_selected < 0) {
        return;
    }
    if (!m_dialogs.Confirm(std::string(RemoveConfirmation)) || m_selected < 0) {
        return;
    }
    const auto selected = static_cast<std::size_t>(m_selected);
    CatalogueStore::Change change = m_store.Remove(selected, m_materials[selected]);
    if (!change.Done) {
        if (change.After) {
            TakeListKeepingPick(std::move(*change.After));
            m_currency = std::move(change.CurrencyAfter);
        }
        ShowRefusal(RemoveMaterialError, change.Detail);
        return;
    }
    TakeList(std::move(*change.After));
    m_currency = std::move(change.CurrencyAfter);
    m_selected = m_materials.empty() ? -1 : 0;
}

} // namespace volcalc
