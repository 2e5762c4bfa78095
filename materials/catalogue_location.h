// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/program_folders.h"

#include <filesystem>
#include <string>

namespace volcalc {

// The name of the catalogue in every folder that holds one.
inline constexpr const char* CatalogueFileName = "volcalc.ini";

// Which file is the material catalogue, the same for the window and the command line.
struct CatalogueFiles {
    CatalogueFiles() = default;
    // One file, read and written, as chosen on the command line.
    CatalogueFiles(std::filesystem::path file) : File(file), Starter(std::move(file)) {} // NOLINT: implicit
    CatalogueFiles(std::filesystem::path file, std::filesystem::path starter)
        : File(std::move(file)), Starter(std::move(starter)) {}
    bool operator==(const CatalogueFiles&) const = default;

    // The catalogue that changes are written to.
    std::filesystem::path File;
    // Read in place of File for as long as File does not exist: the catalogue that came with the
    // program. The first change copies it to File and then applies itself. Empty: none.
    std::filesystem::path Starter;
};

// The user's own catalogue: $XDG_DATA_HOME/orlisk-volcalc/volcalc.ini, with ~/.local/share in place
// of an unset or relative $XDG_DATA_HOME; empty without either.
std::filesystem::path UserCatalogue(const UserFolders& user);

// A catalogue beside the executable that the user can write is the catalogue (a portable folder or a
// build tree). Otherwise it is the user's own file, with the program's starter catalogue read until
// the first change. Nothing beside an executable in a system folder is ever written, not even by root.
CatalogueFiles ProgramCatalogue(const std::filesystem::path& executable, const UserFolders& user);

// True for the folders that belong to the operating system and its packages (/usr, /opt, ...).
bool IsSystemFolder(const std::filesystem::path& folder);

} // namespace volcalc
