// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_folders.h"

#include "calc/program_folders.h"

namespace volcalc::sections {

SectionFolders ProgramSectionFolders(const std::filesystem::path& executable, const UserFolders& user) {
    return {ProgramDataFolder(executable) / SectionsFolderName, UserDataFolder(user) / SectionsFolderName};
}

} // namespace volcalc::sections
