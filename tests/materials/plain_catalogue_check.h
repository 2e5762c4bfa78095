// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plain reading of a catalogue against the general one, for the tests and the fuzz target.
#include "materials/catalogue_entries.h"
#include "materials/catalogue_prices.h"
#include "materials/ini_file.h"
#include "materials/plain_catalogue.h"
#include "materials/text_encoding.h"

#include <algorithm>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace volcalc::testing {

// A file in memory holding the text, for the general reading, which reads files.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& text) : m_fd(::memfd_create("catalogue", MFD_CLOEXEC)) {
        if (::write(m_fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            std::abort();
        }
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::filesystem::path Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

// Empty when the plain reading of the text, where it takes the text at all, agrees with the general
// one: the same list, prices included, and currency, changes allowed alike, and the same text after an
// addition and after the removal of the first, a middle and the last entry; otherwise what differs.
inline std::string PlainDisagreement(const std::string& text) {
    const auto plain =
        PlainCatalogue::Read(std::make_shared<const std::string>(text), PlainCatalogue::Use::Change);
    if (!plain || !IsValidUtf8(text) || text.starts_with("\xEF\xBB\xBF")) {
        return {}; // the general reading would have read other text
    }
    const MemoryFile file(text);
    const IniFile general(file.Path());
    if (FindDamage(general)) {
        return "the plain reading took a damaged file";
    }
    std::vector<std::size_t> unwritten;
    MaterialList list = ReadEntries(general, &unwritten);
    const std::string currency = ReadPrices(general, list);
    if (!(list == plain->List)) {
        return "the lists differ";
    }
    if (currency != plain->Currency) {
        return "the currencies differ";
    }
    if (plain->List.AnyPriced() !=
        std::any_of(list.begin(), list.end(), [](const MaterialView m) { return m.Price.has_value(); })) {
        return "the list is wrong on whether any material has a price";
    }
    if (plain->Changeable() != unwritten.empty()) {
        return "they differ on whether the file may be changed as text";
    }
    if (!plain->Changeable()) {
        return {};
    }
    {
        IniFile ini(file.Path());
        AppendEntry(ini, list.size(), {"Oak \"seasoned\"", -700});
        if (ini.Document().Serialize() != plain->Appended({"Oak \"seasoned\"", -700})) {
            return "the texts after an addition differ";
        }
    }
    const std::size_t count = list.size();
    for (const std::size_t removed : {std::size_t(0), count / 2, count - 1}) {
        if (removed >= count) {
            continue;
        }
        IniFile ini(file.Path());
        RemoveEntry(ini, removed, count);
        if (ini.Document().Serialize() != plain->Removed(removed)) {
            return "the texts after removing entry " + std::to_string(removed) + " differ";
        }
    }
    return {};
}

} // namespace volcalc::testing
