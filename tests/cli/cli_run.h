// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the built volcalc-cli as a shell would, with its output, errors and exit status.

#include "materials/temp_folder.h"

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace volcalc::test {

struct CliOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

// `environment` goes before the command ("LC_ALL=C"); standard error is kept in `dir`.
inline CliOutcome RunCli(const std::string& arguments, const TempFolder& dir,
                         const std::string& environment = "") {
    const auto errFile = dir / "stderr.txt";
    const std::string command =
        environment + " " + std::string(VOLCALC_CLI) + " " + arguments + " 2>" + errFile.string();
    CliOutcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        outcome.out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.err = ReadBytes(errFile);
    return outcome;
}

} // namespace volcalc::test
