#include "materials/material_catalogue.h"

#include "calc/number_text.h"
#include "materials/file_writer.h"
#include "materials/ini_file.h"

#include <algorithm>

namespace volcalc {

namespace {

// A name is one line of the file: a pasted line break would start lines of its own there (a new
// key, even a new section), so it is stored, and listed, as a blank.
std::string OneLine(std::string name) {
    for (char& c : name) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return name;
}

constexpr std::string_view CountSection = "Count";
constexpr std::string_view CountKey = "Count";
constexpr std::string_view NameSection = "Material";
constexpr std::string_view DensitySection = "Density";

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

// The list as the file holds it: "Count" entries, each missing name listed as its index and each
// missing or unreadable density as 1.
void ReadEntries(const IniFile& ini, std::vector<std::string>& names, std::vector<std::int32_t>& densities) {
    names.clear();
    densities.clear();
    const std::int32_t count = ini.ReadInteger(CountSection, CountKey, 0);
    if (count <= 0) {
        return;
    }
    const auto loaded =
        std::min<std::size_t>(static_cast<std::size_t>(count), MaterialCatalogue::MaxMaterials);
    names.reserve(loaded);
    densities.reserve(loaded);
    for (std::size_t i = 0; i < loaded; ++i) {
        const std::string key = IntegerText(static_cast<std::int64_t>(i));
        names.push_back(ini.ReadString(NameSection, key, key));
        densities.push_back(ini.ReadInteger(DensitySection, key, 1));
    }
}

void WriteEntries(IniFile& ini, const std::vector<std::string>& names,
                  const std::vector<std::int32_t>& densities) {
    ini.WriteInteger(CountSection, CountKey, static_cast<std::int32_t>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string key = IntegerText(static_cast<std::int64_t>(i));
        ini.WriteString(NameSection, key, names[i]);
        ini.WriteInteger(DensitySection, key, densities[i]);
    }
}

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

MaterialCatalogue::MaterialCatalogue(std::filesystem::path iniPath, CatalogueDialogs& dialogs)
    : m_iniPath(std::move(iniPath)), m_dialogs(dialogs) {}

void MaterialCatalogue::LoadMaterials() {
    const IniFile ini(m_iniPath, m_writer);
    ReadEntries(ini, m_names, m_densities);
    m_selected = m_names.empty() ? -1 : 0;
}

void MaterialCatalogue::PickMaterial(int index) {
    const bool inList = index >= 0 && static_cast<std::size_t>(index) < m_names.size();
    m_selected = inList ? index : -1;
}

std::int32_t MaterialCatalogue::SelectedDensity() const {
    return m_selected >= 0 ? m_densities[static_cast<std::size_t>(m_selected)] : 0;
}

void MaterialCatalogue::AddMaterial() {
    if (const std::optional<NewMaterial> material = m_dialogs.AskNewMaterial()) {
        AddMaterial(*material);
    }
}

void MaterialCatalogue::AddMaterial(const NewMaterial& material) {
    if (m_names.size() >= MaxMaterials) {
        m_dialogs.ShowError(std::string(AddMaterialError));
        return;
    }
    const std::size_t before = m_names.size();
    try {
        IniFile ini(m_iniPath, m_writer);
        m_names.push_back(OneLine(material.Name));
        m_densities.push_back(material.Density);
        // The whole working copy is written, so entries that took defaults when loaded now hold them.
        WriteEntries(ini, m_names, m_densities);
        ini.UpdateFile();
    } catch (...) {
        // The dialog says the addition failed, so the list must not show the material either.
        m_names.resize(before);
        m_densities.resize(before);
        m_dialogs.ShowError(std::string(AddMaterialError));
    }
}

void MaterialCatalogue::RemoveMaterial() {
    const BusyCursor busy(m_dialogs);
    if (m_names.empty() || m_selected < 0) {
        return;
    }
    if (!m_dialogs.Confirm(std::string(RemoveConfirmation))) {
        return;
    }
    try {
        RemoveSelected();
    } catch (...) {
        m_dialogs.ShowError(std::string(RemoveMaterialError));
    }
}

void MaterialCatalogue::RemoveSelected() {
    const auto removed = static_cast<std::size_t>(m_selected);
    const std::size_t count = m_names.size();
    IniFile ini(m_iniPath, m_writer);
    ini.WriteInteger(CountSection, CountKey, static_cast<std::int32_t>(count - 1));
    // The entries above move down as the file holds them, not as the list shows them.
    for (std::size_t i = removed; i + 1 < count; ++i) {
        const std::string from = IntegerText(static_cast<std::int64_t>(i + 1));
        const std::string to = IntegerText(static_cast<std::int64_t>(i));
        ini.WriteString(NameSection, to, ini.ReadString(NameSection, from, ""));
        ini.WriteInteger(DensitySection, to, ini.ReadInteger(DensitySection, from, 0));
    }
    const std::string last = IntegerText(static_cast<std::int64_t>(count - 1));
    ini.DeleteKey(NameSection, last);
    ini.DeleteKey(DensitySection, last);

    std::vector<std::string> names;
    std::vector<std::int32_t> densities;
    ReadEntries(ini, names, densities);
    ini.UpdateFile();
    // The working copy changes only once the file holds the removal.
    m_names = std::move(names);
    m_densities = std::move(densities);
    m_selected = m_names.empty() ? -1 : 0;
}

} // namespace volcalc
