// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_location.h"

#include "materials/program_folders.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace volcalc {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string AccountHome() {
    const passwd* account = ::getpwuid(::geteuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
}

// Both the file and its folder: a change is a new file renamed over the old one, with a lock file.
bool UserCanWrite(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    return ::access(file.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

UserFolders UserFolders::FromEnvironment() {
    UserFolders user{Environment("XDG_DATA_HOME"), Environment("HOME")};
    if (user.Home.empty()) {
        user.Home = AccountHome();
    }
    return user;
}

std::filesystem::path UserCatalogue(const UserFolders& user) {
    // A relative $XDG_DATA_HOME is to be ignored: it would depend on the working folder, and so
    // would a catalogue without a home folder.
    if (!std::filesystem::path(user.DataHome).is_absolute() && user.Home.empty()) {
        return {};
    }
    const std::filesystem::path dataHome = std::filesystem::path(user.DataHome).is_absolute()
                                               ? std::filesystem::path(user.DataHome)
                                               : std::filesystem::path(user.Home) / ".local" / "share";
    return dataHome / "orlisk-volcalc" / CatalogueFileName;
}

bool IsSystemFolder(const std::filesystem::path& folder) {
    static constexpr std::array<std::string_view, 12> SystemFolders = {"/usr",   "/bin",   "/sbin",   "/lib",
                                                                       "/lib32", "/lib64", "/libx32", "/opt",
                                                                       "/etc",   "/boot",  "/snap",   "/nix"};
    std::error_code error;
    const std::filesystem::path real =
        std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
    const std::string text = (error ? folder : real).lexically_normal().string();
    for (const std::string_view system : SystemFolders) {
        if (text == system || (text.starts_with(system) && text[system.size()] == '/')) {
            return true;
        }
    }
    return false;
}

CatalogueFiles ProgramCatalogue(const std::filesystem::path& executable, const UserFolders& user) {
    const std::filesystem::path folder = executable.parent_path();
    const std::filesystem::path beside = folder / CatalogueFileName;
    std::error_code error;
    if (std::filesystem::exists(beside, error) && !IsSystemFolder(folder) && UserCanWrite(beside)) {
        return {beside, beside};
    }
    return {UserCatalogue(user), ProgramDataFolder(executable) / CatalogueFileName};
}

} // namespace volcalc
