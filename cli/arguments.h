// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "script_session.h"

#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace volcalc::cli {

// What the command line asks for.
enum class CliAction { Run, Help, Version, Where, Sections };

struct CliCommand {
    CliAction action = CliAction::Run;
    ScriptOptions options;
    std::string scriptFile;      // empty or "-": standard input
    std::string csvFile;         // a list from a spreadsheet instead of a script
    std::string sectionsFilter;  // --sections TEXT: list the sections whose designation holds it
    std::string stockFile;       // --stock: the rack the order cuts first
    std::string updateStockFile; // --update-stock: the rack the plan's bars and remnants change
};

// A command line that cannot be obeyed; the message names the faulty argument.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. `defaultCatalogue` is the material file used
// when no --ini is given. Throws UsageError.
CliCommand ParseArguments(std::span<const std::string_view> arguments, CatalogueFiles defaultCatalogue);

} // namespace volcalc::cli
