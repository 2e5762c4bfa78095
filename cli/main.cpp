#include "calc/number_text.h"
#include "command_line.h"
#include "file_output.h"
#include "locale_separator.h"

#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

std::filesystem::path DefaultCatalogue() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto folder = error ? std::filesystem::current_path() : self.parent_path();
    return volcalc::CatalogueFilePath(folder / "volcalc");
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
