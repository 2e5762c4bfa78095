// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace volcalc {

// Folder of the program's read-only data (starter catalogue volcalc.ini, help TORVA.CHM and the HTML
// help): beside the executable in a portable folder or a build tree; ../share/orlisk-volcalc from the
// executable's folder in an installed tree.
std::filesystem::path ProgramDataFolder(const std::filesystem::path& executable);

} // namespace volcalc
