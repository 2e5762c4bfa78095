#include "calc/number_text.h"
#include "calc/units.h"
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
    std::string_view csvInput;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << volcalc::cli::HelpText;
            return 0;
        } else if (arg == "--precise") {
            options.precise = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--report") {
            options.report = volcalc::cli::ReportFormat::Text;
        } else if (arg == "--csv") {
            options.report = volcalc::cli::ReportFormat::Csv;
        } else if (arg == "--json") {
            options.report = volcalc::cli::ReportFormat::Json;
        } else if (arg == "--volume-unit" || arg == "--mass-unit") {
            if (++i == argc) {
                return Usage(std::string(arg) + " needs a unit");
            }
            const std::string_view unit = argv[i];
            if (arg == "--volume-unit") {
                const auto volume = volcalc::VolumeUnitFromName(unit);
                if (!volume) {
                    return Usage("unknown volume unit '" + std::string(unit) + "'");
                }
                options.reportUnits.Volume = *volume;
            } else {
                const auto mass = volcalc::MassUnitFromName(unit);
                if (!mass) {
                    return Usage("unknown mass unit '" + std::string(unit) + "'");
                }
                options.reportUnits.Mass = *mass;
            }
        } else if (arg == "--input-csv") {
            if (++i == argc) {
                return Usage("--input-csv needs a file");
            }
            csvInput = argv[i];
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
    if (!csvInput.empty() && !file.empty()) {
        return Usage("give either a script or --input-csv, not both");
    }
    volcalc::cli::ScriptSession session(options, std::cout, std::cerr);
    if (!csvInput.empty()) {
        std::ifstream csv{std::string(csvInput), std::ios::binary};
        if (!csv) {
            std::cerr << "volcalc-cli: cannot open " << csvInput << '\n';
            return 2;
        }
        return session.RunCsv(csv);
    }
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
