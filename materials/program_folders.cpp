// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/program_folders.h"

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

} // namespace volcalc
