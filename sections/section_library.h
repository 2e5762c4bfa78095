// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_catalogue.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

namespace volcalc::sections {

// The folders the section tables are read from, in order: the program's own tables, then the user's.
struct SectionFolders {
    std::filesystem::path Program; // <data folder>/sections
    std::filesystem::path User;    // $XDG_DATA_HOME/orlisk-volcalc/sections
};

// Reads every *.csv in the folders: the program's shipped tables in their own order, then its
// other tables and the user's in name order. A folder that is missing is no problem.
SectionCatalogue LoadSectionCatalogue(const SectionFolders& folders);

// The catalogue, read on first use, so that a program that names no section never reads a table.
class SectionLibrary {
public:
    explicit SectionLibrary(SectionFolders folders) : m_folders(std::move(folders)) {}

    const SectionCatalogue& Catalogue() const;
    bool Loaded() const { return m_catalogue != nullptr; }
    const SectionFolders& Folders() const { return m_folders; }

private:
    SectionFolders m_folders;
    mutable std::once_flag m_once;
    mutable std::unique_ptr<SectionCatalogue> m_catalogue;
};

} // namespace volcalc::sections
