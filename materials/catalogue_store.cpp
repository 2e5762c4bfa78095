// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_store.h"

#include "calc/file_writer.h"
#include "materials/catalogue_lock.h"
#include "materials/catalogue_prices.h"
#include "materials/ini_file.h"
#include "materials/plain_catalogue.h"
#include "materials/text_encoding.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace volcalc {

namespace {

std::string About(const std::filesystem::path& file, std::string_view problem) {
    return file.string() + ": " + std::string(problem);
}

bool Exists(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// The folders of the user's own catalogue are made private to the user, as the desktop's rules ask.
// Why a folder could not be made, naming it, or nothing.
std::optional<std::string> MakeFolders(const std::filesystem::path& folder) {
    if (folder.empty() || Exists(folder)) {
        return std::nullopt;
    }
    if (auto problem = MakeFolders(folder.parent_path())) {
        return problem;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return About(folder, std::string("the folder cannot be made: ") + std::strerror(errno));
    }
    return std::nullopt;
}

// The file itself, whatever symbolic links lead to it, so that every path to one catalogue takes
// one lock and the link stays a link.
std::filesystem::path Resolved(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
    return error ? file : resolved;
}

// Other names of the file (hard links) would keep the old text once the new file is renamed over
// this one, so the catalogue would silently become two.
std::optional<std::string> HardLinked(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink <= 1) {
        return std::nullopt;
    }
    return About(file, "the file has other names (hard links), which a change would part from it; "
                       "give the catalogue one name, or make the others symbolic links");
}

} // namespace

std::string OneLine(std::string name) {
    for (char& c : name) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return name;
}

CatalogueStore::CatalogueStore(CatalogueFiles files)
    : m_files(std::move(files)), m_lockWait(CatalogueLock::DefaultWait) {}

std::filesystem::path CatalogueStore::Source() const {
    return m_files.Starter.empty() || Exists(m_files.File) ? m_files.File : m_files.Starter;
}

CatalogueStore::Snapshot CatalogueStore::Load() const {
    const std::filesystem::path source = Source();
    const IniFile ini(source, m_writer);
    Snapshot snapshot;
    if (!ini.ReadProblem().empty()) {
        snapshot.ReadProblem = About(source, ini.ReadProblem());
        return snapshot;
    }
    if (auto plain = PlainCatalogue::Read(ini.SharedText())) {
        snapshot.List = std::move(plain->List);
        snapshot.Currency = std::move(plain->Currency);
        return snapshot;
    }
    snapshot.List = ReadEntries(ini);
    snapshot.Currency = ReadPrices(ini, snapshot.List);
    if (const auto damage = FindDamage(ini)) {
        snapshot.Damage = About(source, *damage);
    }
    return snapshot;
}

std::optional<std::string> CatalogueStore::RefuseName(std::string_view name) {
    if (name.find_first_not_of(" \t") == std::string_view::npos) {
        return std::string(MaterialNameMissing);
    }
    if (!IsValidUtf8(name)) {
        return "The name is not UTF-8 text.";
    }
    if (Utf8Length(name) > IniFile::MaxValueLength) {
        return "The name is longer than " + std::to_string(IniFile::MaxValueLength) + " characters.";
    }
    return std::nullopt;
}

// Locks, reads the file again, lets the edit change it and writes it. The edit returns the reason
// for a refusal, or nothing to have the file written; it is handed the file laid out plainly where it
// is, and otherwise the list with the positions that writing it back would change.
template <typename Edit> CatalogueStore::Change CatalogueStore::ChangeFile(Edit edit) {
    Change change;
    if (m_files.File.empty()) {
        change.Detail = "No folder holds your catalogue: neither XDG_DATA_HOME nor HOME names one.";
        return change;
    }
    if (m_files.File != m_files.Starter) {
        if (auto problem = MakeFolders(m_files.File.parent_path())) {
            change.Detail = std::move(*problem);
            return change;
        }
    }
    const std::filesystem::path file = Resolved(m_files.File);
    const CatalogueLock lock(file, m_lockWait);
    if (!lock.Held()) {
        change.Detail = lock.TimedOut() ? About(m_files.File, "another program is changing the catalogue")
                                        : About(CatalogueLock::LockFileOf(file), lock.Problem());
        return change;
    }
    if (auto problem = HardLinked(file)) {
        change.Detail = std::move(*problem);
        return change;
    }
    RemoveLeftovers(file);
    const std::filesystem::path source = Source();
    IniFile ini(file, m_writer, source);
    if (!ini.ReadProblem().empty()) {
        change.Detail = About(source, ini.ReadProblem());
        return change;
    }
    std::optional<PlainCatalogue> plain = PlainCatalogue::Read(ini.SharedText(), PlainCatalogue::Use::Change);
    if (plain && !plain->Changeable()) {
        plain.reset();
    }
    EditTarget target{ini, plain ? &*plain : nullptr, {}, {}, {}, false};
    if (plain) {
        target.List = std::move(plain->List);
        target.Currency = std::move(plain->Currency);
    } else {
        target.List = ReadEntries(ini, &target.Unwritten);
        if (const auto damage = FindDamage(ini)) {
            change.Detail = About(source, *damage);
            change.CurrencyAfter = ReadPrices(ini, target.List);
            change.After = std::move(target.List);
            return change;
        }
    }
    if (auto refusal = edit(target)) {
        change.Detail = std::move(*refusal);
        change.CurrencyAfter = plain ? std::move(target.Currency) : ReadPrices(ini, target.List);
        change.After = std::move(target.List);
        return change;
    }
    try {
        ini.UpdateFile();
        change.Done = true;
        change.After = target.ReadAgain ? ReadEntries(ini) : std::move(target.List);
        // A text laid out plainly was read with its prices, which only this change may have moved.
        change.CurrencyAfter = plain && !target.PricesWritten && !target.ReadAgain
                                   ? std::move(target.Currency)
                                   : ReadPrices(ini, *change.After, target.PricesWritten);
    } catch (const EIniFileException&) {
        change.Detail = About(m_files.File, ini.WriteProblem());
        Snapshot before = Load(); // the file as it was
        change.After = std::move(before.List);
        change.CurrencyAfter = std::move(before.Currency);
    }
    return change;
}

CatalogueStore::Change CatalogueStore::Add(MaterialView material) {
    if (auto refusal = RefuseName(material.Name)) {
        return {false, std::move(*refusal), std::nullopt, {}};
    }
    const std::string line = OneLine(std::string(material.Name));
    return ChangeFile([&](EditTarget& target) -> std::optional<std::string> {
        MaterialList& list = target.List;
        if (list.size() >= MaxMaterials) {
            return "The catalogue holds " + std::to_string(MaxMaterials) +
                   " materials, the most it can list.";
        }
        if (target.Plain == nullptr) {
            AppendEntry(target.Ini, list.size(), {line, material.Density});
            target.ReadAgain = true;
            return std::nullopt;
        }
        target.Ini.ReplaceText(target.Plain->Appended({line, material.Density}));
        // What the file gives back: a name written with quotes or blanks around it reads without them.
        list.push_back({IniFile::ValueByRules(line), material.Density});
        return std::nullopt;
    });
}

CatalogueStore::Change CatalogueStore::Remove(std::size_t position, MaterialView material) {
    return ChangeFile([&](EditTarget& target) -> std::optional<std::string> {
        MaterialList& list = target.List;
        const auto found = FindEntry(list, position, material);
        if (!found) {
            return About(m_files.File, "another program changed the material list");
        }
        if (target.Plain != nullptr) {
            target.Ini.ReplaceText(target.Plain->Removed(*found));
        } else {
            RemoveEntry(target.Ini, *found, list.size());
            // Only entries that read back as something else call for reading the file again.
            target.ReadAgain = !target.Unwritten.empty();
        }
        if (!target.ReadAgain) { // every entry reads back as itself, one place lower
            list.erase(*found);
        }
        return std::nullopt;
    });
}

CatalogueStore::Change CatalogueStore::SetPrices(const std::vector<ListedMaterial>& materials,
                                                 const std::optional<std::string>& currency) {
    // Like a name, a currency code that is not text would turn the whole file into another code page.
    if (currency && !IsValidUtf8(*currency)) {
        return {false, "The currency code is not UTF-8 text.", std::nullopt, {}};
    }
    return ChangeFile([&](EditTarget& target) -> std::optional<std::string> {
        std::vector<std::size_t> found;
        found.reserve(materials.size());
        for (const ListedMaterial& material : materials) {
            const auto at = FindEntry(target.List, material.Position, material.Which);
            if (!at) {
                return About(m_files.File, "another program changed the material list");
            }
            found.push_back(*at);
        }
        for (std::size_t i = 0; i < materials.size(); ++i) {
            WritePrice(target.Ini, found[i], materials[i].Which.Price);
        }
        if (currency) {
            WriteCurrency(target.Ini, *currency);
        }
        target.PricesWritten = true;
        return std::nullopt;
    });
}

} // namespace volcalc
