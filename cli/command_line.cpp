// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "file_output.h"
#include "help_text.h"
#include "section_listing.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace volcalc::cli {
namespace {

constexpr const char* ProgramName = "volcalc-cli: ";

// The reason a write failed, as precise as the stream allows.
std::string WriteFailure(std::ostream& out) {
    if (const auto* file = dynamic_cast<const FileOutputBuffer*>(out.rdbuf());
        file && !file->Failure().empty()) {
        return file->Failure();
    }
    return "output error";
}

// Flushes what is left; a failure anywhere on the way is reported and turns into status 2.
int CheckedOutput(int status, std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return status;
    }
    err << ProgramName << "cannot write output: " << WriteFailure(out) << '\n';
    return ExitTrouble;
}

// Opens a script or a list; only a regular file can be read from start to end.
bool OpenInput(const std::string& path, std::ifstream& file, std::ostream& err) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    std::string reason;
    if (error) {
        reason = error.message();
    } else if (std::filesystem::is_directory(status)) {
        reason = std::strerror(EISDIR);
    } else if (!std::filesystem::is_regular_file(status)) {
        reason = "not a regular file";
    } else {
        errno = 0;
        file.open(path, std::ios::binary);
        if (file) {
            return true;
        }
        reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
    }
    err << ProgramName << "cannot read " << path << ": " << reason << '\n';
    return false;
}

int ReadFailure(std::string_view name, std::ostream& err) {
    err << ProgramName << "cannot read " << name << ": read error\n";
    return ExitTrouble;
}

int RunInput(const CliCommand& command, std::istream& standardInput, std::ostream& out, std::ostream& err) {
    const bool list = !command.csvFile.empty();
    const std::string& name = list ? command.csvFile : command.scriptFile;
    const bool fromStandardInput = !list && (name.empty() || name == "-");
    std::ifstream file;
    if (!fromStandardInput && !OpenInput(name, file, err)) {
        return ExitTrouble;
    }
    std::istream& in = fromStandardInput ? standardInput : file;
    ScriptSession session(command.options, out, err);
    if (const std::string& problem = session.CatalogueReadProblem(); !problem.empty()) {
        err << ProgramName << "cannot read " << problem << '\n';
        return ExitTrouble;
    }
    if (!command.stockFile.empty() && !session.ReadStockRack(command.stockFile)) {
        return ExitTrouble;
    }
    const int status = list ? session.RunCsv(in) : session.RunScript(in);
    if (in.bad()) {
        return ReadFailure(fromStandardInput ? "standard input" : name, err);
    }
    if (!command.updateStockFile.empty()) {
        if (status != ExitSuccess) {
            err << ProgramName << "the rack " << command.updateStockFile
                << " is not changed: the run did not plan the order whole\n";
            return status;
        }
        out.flush(); // the plan is written before the rack is changed to cut it
        if (!session.UpdateStockRack(command.updateStockFile)) {
            return ExitTrouble;
        }
    }
    return status;
}

} // namespace

int RunCommand(const CliCommand& command, std::istream& standardInput, std::ostream& out, std::ostream& err) {
    if (command.action == CliAction::Help) {
        out << HelpText();
        return CheckedOutput(ExitSuccess, out, err);
    }
    if (command.action == CliAction::Version) {
        out << "volcalc-cli " << VOLCALC_PROJECT_VERSION << '\n';
        return CheckedOutput(ExitSuccess, out, err);
    }
    if (command.action == CliAction::Sections) {
        const sections::SectionLibrary library(command.options.sectionFolders);
        return CheckedOutput(ListSections(library.Catalogue(), command.sectionsFilter, out, err), out, err);
    }
    if (command.action == CliAction::Where) {
        out << (command.options.catalogue ? command.options.catalogue->File.string() : std::string()) << '\n';
        return CheckedOutput(ExitSuccess, out, err);
    }
    return CheckedOutput(RunInput(command, standardInput, out, err), out, err);
}

int RunCommandLine(std::span<const std::string_view> arguments, const CatalogueFiles& defaultCatalogue,
                   std::istream& standardInput, std::ostream& out, std::ostream& err,
                   const sections::SectionFolders& sectionFolders) {
    CliCommand command;
    try {
        command = ParseArguments(arguments, defaultCatalogue);
        command.options.sectionFolders = sectionFolders;
    } catch (const UsageError& e) {
        err << ProgramName << e.what() << "\nTry 'volcalc-cli --help'.\n";
        return ExitTrouble;
    }
    return RunCommand(command, standardInput, out, err);
}

} // namespace volcalc::cli
