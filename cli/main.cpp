#include "calc/number_text.h"
#include "help_text.h"
#include "locale_separator.h"
#include "materials/material_catalogue.h"
#include "script_session.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

std::filesystem::path DefaultCatalogue() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto folder = error ? std::filesystem::current_path() : self.parent_path();
    return volcalc::CatalogueFilePath(folder / "volcalc");
}

int Usage(const std::string& message) {
    std::cerr << "volcalc-cli: " << message << "\nTry 'volcalc-cli --help'.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    volcalc::SetDecimalSeparator(volcalc::cli::RegionalDecimalSeparator());
    volcalc::cli::ScriptOptions options;
    options.catalogue = DefaultCatalogue();
    std::string_view file;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << volcalc::cli::HelpText;
            return 0;
        } else if (arg == "--precise") {
            options.precise = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--ini") {
            if (++i == argc) {
                return Usage("--ini needs a file");
            }
            options.catalogue = argv[i];
        } else if (arg.starts_with("--") || !file.empty()) {
            return Usage("unexpected argument '" + std::string(arg) + "'");
        } else {
            file = arg;
        }
    }
    volcalc::cli::ScriptSession session(options, std::cout, std::cerr);
    if (file.empty() || file == "-") {
        return session.RunScript(std::cin);
    }
    std::ifstream in{std::string(file)};
    if (!in) {
        std::cerr << "volcalc-cli: cannot open " << file << '\n';
        return 2;
    }
    return session.RunScript(in);
}
