// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/catalogue_entries.h"
#include "materials/catalogue_location.h"
#include "materials/material_list.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

class FileWriter;
class IniFile;
class PlainCatalogue;

// Why a material of no name, or of blanks only, is not added.
inline constexpr std::string_view MaterialNameMissing = "The material needs a name.";

// The material catalogue on the disk. Every change is made to what the file holds at that moment:
// under an exclusive lock, the file is read again, the change applied to it and the file replaced,
// so that several programs may change one catalogue without losing each other's materials.
class CatalogueStore {
public:
    // The file as it was read.
    struct Snapshot {
        MaterialList List;
        std::string Currency;
        // "FILE: reason" when the file exists but cannot be read; the list is then empty and the
        // file is never written.
        std::string ReadProblem;
        // "FILE: problem" when the file is damaged so that a change would make it worse; the list
        // is loaded all the same, and changes are refused.
        std::string Damage;
    };

    // The outcome of a change.
    struct Change {
        bool Done = false;
        // Why it was refused, for a line under the error message; empty when the message says all.
        std::string Detail;
        // The list the file holds afterwards; nothing when the file was not looked at.
        std::optional<MaterialList> After;
        // The currency the file holds afterwards, alongside After.
        std::string CurrencyAfter;
    };

    explicit CatalogueStore(CatalogueFiles files);

    const CatalogueFiles& Files() const { return m_files; }
    // The file that is read now: the catalogue, or the starter until the catalogue exists.
    std::filesystem::path Source() const;
    // How the file is written; the real file system unless a test puts a failing writer in.
    void SetFileWriter(FileWriter* writer) { m_writer = writer; }
    void SetLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    Snapshot Load() const;

    // Appends a material after the file's entries, without a price.
    Change Add(MaterialView material);
    // Removes the material (name and density) found at or nearest to `position`; nothing changes
    // when no such material is left.
    Change Remove(std::size_t position, MaterialView material);
    // Gives the materials given the prices they carry, none clearing a price (each found by name
    // and density at or nearest to its position, as for a removal) and, when given, sets the
    // currency, as one change. Refused, changing nothing, when one of the materials is no longer
    // listed or the currency is not UTF-8 text.
    Change SetPrices(const std::vector<ListedMaterial>& materials,
                     const std::optional<std::string>& currency);

    // Why a name cannot be stored, or nothing.
    static std::optional<std::string> RefuseName(std::string_view name);

private:
    // What a change works on: the file read under the lock and the list it holds.
    struct EditTarget {
        IniFile& Ini;
        // The file as laid out plainly, when it is: changed as text then.
        const PlainCatalogue* Plain;
        // With its prices where the text is laid out plainly (the general way reads them after the change).
        MaterialList List;
        // Read with a text laid out plainly.
        std::string Currency;
        // Positions whose entry would change if the list were written back (read generally only).
        std::vector<std::size_t> Unwritten;
        // Whether the list must be read from the file again after the change.
        bool ReadAgain;
        // Whether prices were written, which a text laid out plainly does not hold.
        bool PricesWritten = false;
    };
    template <typename Edit> Change ChangeFile(Edit edit);

    CatalogueFiles m_files;
    FileWriter* m_writer = nullptr;
    std::chrono::milliseconds m_lockWait;
};

// The text of a name as it is stored: a pasted line break would start lines of its own in the file
// (a new key, even a new section), so it becomes a blank.
std::string OneLine(std::string name);

} // namespace volcalc
