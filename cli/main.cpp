#include "calc/number_text.h"
#include "command_line.h"
#include "file_output.h"
#include "locale_separator.h"
#include "materials/catalogue_location.h"

#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

volcalc::CatalogueFiles DefaultCatalogue() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::current_path() / "volcalc-cli";
    }
    return volcalc::ProgramCatalogue(self, volcalc::UserFolders::FromEnvironment());
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    volcalc::SetDecimalSeparator(volcalc::cli::RegionalDecimalSeparator());
    volcalc::cli::FileOutputBuffer standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    std::cin.tie(&out); // typed lines see the answers to the lines before them
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return volcalc::cli::RunCommandLine(arguments, DefaultCatalogue(), std::cin, out, std::cerr);
}
