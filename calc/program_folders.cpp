// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/program_folders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace volcalc {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string AccountHome() {
    const passwd* account = ::getpwuid(::geteuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
}

} // namespace

// A folder that holds the program's own data beside it is a portable folder or a build tree,
// wherever it lies; only without them is the executable taken to sit in an installed bin folder.
std::filesystem::path ProgramDataFolder(const std::filesystem::path& executable) {
    const std::filesystem::path folder = executable.parent_path();
    if (IsFile(folder / "volcalc.ini") || IsFile(folder / "TORVA.CHM")) {
        return folder;
    }
    const std::filesystem::path shared = folder / ".." / "share" / "orlisk-volcalc";
    if (IsFolder(shared)) {
        return shared.lexically_normal();
    }
    return folder;
}

UserFolders UserFolders::FromEnvironment() {
    UserFolders user{Environment("XDG_DATA_HOME"), Environment("HOME")};
    if (user.Home.empty()) {
        user.Home = AccountHome();
    }
    return user;
}

std::filesystem::path UserDataFolder(const UserFolders& user) {
    // A relative $XDG_DATA_HOME is to be ignored: it would depend on the working folder, and so
    // would a data folder without a home folder.
    if (!std::filesystem::path(user.DataHome).is_absolute() && user.Home.empty()) {
        return {};
    }
    const std::filesystem::path dataHome = std::filesystem::path(user.DataHome).is_absolute()
                                               ? std::filesystem::path(user.DataHome)
                                               : std::filesystem::path(user.Home) / ".local" / "share";
    return dataHome / "orlisk-volcalc";
}

} // namespace volcalc
