// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_location.h"

#include "calc/program_folders.h"

#include <array>
#include <string_view>
#include <unistd.h>

namespace volcalc {

namespace {

// Both the file and its folder: a change is a new file renamed over the old one, with a lock file.
bool UserCanWrite(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    return ::access(file.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

std::filesystem::path UserCatalogue(const UserFolders& user) {
    const std::filesystem::path folder = UserDataFolder(user);
    return folder.empty() ? folder : folder / CatalogueFileName;
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
