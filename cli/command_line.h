// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arguments.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace volcalc::cli {

// Exit statuses: every line held, some line failed, the run itself could not be done (bad
// arguments, an input that cannot be read, output that cannot be written).
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitLineFailed = 1;
inline constexpr int ExitTrouble = 2;

// The whole program without its process: parses the arguments, runs the script or list, and
// checks that everything written reached `out`. Returns the exit status.
int RunCommandLine(std::span<const std::string_view> arguments, const CatalogueFiles& defaultCatalogue,
                   std::istream& standardInput, std::ostream& out, std::ostream& err,
                   const sections::SectionFolders& sectionFolders = {});

// Runs a command that has been parsed. Returns the exit status.
int RunCommand(const CliCommand& command, std::istream& standardInput, std::ostream& out, std::ostream& err);

} // namespace volcalc::cli
