// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/sections/section_folders.h"

#include "materials/program_folders.h"

namespace volcalc::sections {

SectionFolders ProgramSectionFolders(const std::filesystem::path& executable, const UserFolders& user) {
    return {ProgramDataFolder(executable) / SectionsFolderName,
            UserCatalogue(user).parent_path() / SectionsFolderName};
}

} // namespace volcalc::sections
