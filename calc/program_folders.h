// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace volcalc {

// Folder of the program's read-only data (starter catalogue volcalc.ini, help TORVA.CHM and the HTML
// help, the section tables): beside the executable in a portable folder or a build tree;
// ../share/orlisk-volcalc from the executable's folder in an installed tree.
std::filesystem::path ProgramDataFolder(const std::filesystem::path& executable);

// The user's own folders, from the environment where it gives them.
struct UserFolders {
    std::string DataHome; // $XDG_DATA_HOME
    std::string Home;     // $HOME, or the home folder of the account
    static UserFolders FromEnvironment();
};

// The user's own data folder, where the catalogue and the user's section tables live:
// $XDG_DATA_HOME/orlisk-volcalc, with ~/.local/share in place of an unset or relative
// $XDG_DATA_HOME; empty without either.
std::filesystem::path UserDataFolder(const UserFolders& user);

} // namespace volcalc
