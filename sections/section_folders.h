// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/program_folders.h"
#include "sections/section_library.h"

#include <filesystem>

namespace volcalc::sections {

// The name of the folder that holds section tables, in the program's data folder and the user's.
inline constexpr const char* SectionsFolderName = "sections";

// The program's tables beside its starter catalogue, the user's beside the user's catalogue.
SectionFolders ProgramSectionFolders(const std::filesystem::path& executable, const UserFolders& user);

} // namespace volcalc::sections
