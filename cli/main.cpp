// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"
#include "calc/regional_separator.h"
#include "command_line.h"
#include "file_output.h"
#include "materials/catalogue_location.h"
#include "sections/section_folders.h"

#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

std::filesystem::path Executable() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::current_path() / "volcalc-cli";
    }
    return self;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    volcalc::SetDecimalSeparator(volcalc::RegionalDecimalSeparator());
    volcalc::cli::FileOutputBuffer standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    std::cin.tie(&out); // typed lines see the answers to the lines before them
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::filesystem::path self = Executable();
    const auto user = volcalc::UserFolders::FromEnvironment();
    return volcalc::cli::RunCommandLine(arguments, volcalc::ProgramCatalogue(self, user), std::cin, out,
                                        std::cerr, volcalc::sections::ProgramSectionFolders(self, user));
}
