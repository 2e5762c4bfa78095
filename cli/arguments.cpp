// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include "calc/units.h"
#include "cutting/order_arguments.h"

namespace volcalc::cli {
namespace {

// Walks the arguments, handing out the value that follows an option.
class ArgumentCursor {
public:
    explicit ArgumentCursor(std::span<const std::string_view> arguments) : m_arguments(arguments) {}
    bool AtEnd() const { return m_next == m_arguments.size(); }
    std::string_view Next() { return m_arguments[m_next++]; }
    std::string_view Peek() const { return m_arguments[m_next]; }
    std::string_view ValueOf(std::string_view option, const char* what) {
        if (AtEnd()) {
            throw UsageError(std::string(option) + " needs " + what);
        }
        return Next();
    }

private:
    std::span<const std::string_view> m_arguments;
    std::size_t m_next = 0;
};

bool ReadReportFormat(std::string_view argument, ReportFormat& format) {
    if (argument == "--report") {
        format = ReportFormat::Text;
    } else if (argument == "--csv") {
        format = ReportFormat::Csv;
    } else if (argument == "--json") {
        format = ReportFormat::Json;
    } else {
        return false;
    }
    return true;
}

VolumeUnit ReadVolumeUnit(std::string_view unit) {
    const auto volume = VolumeUnitFromName(unit);
    if (!volume) {
        throw UsageError("unknown volume unit '" + std::string(unit) + "'");
    }
    return *volume;
}

MassUnit ReadMassUnit(std::string_view unit) {
    const auto mass = MassUnitFromName(unit);
    if (!mass) {
        throw UsageError("unknown mass unit '" + std::string(unit) + "'");
    }
    return *mass;
}

// What the command line says of a length it does not take.
[[noreturn]] void RefuseLength(const cutting::LengthsReading& reading, std::string_view option, bool zero) {
    const std::string at = std::string(option) + ": '" + reading.Part + "' ";
    switch (reading.Fault) {
    case cutting::LengthFault::TooShort:
        throw UsageError(at + "is shorter than 0.001 mm, the least length the order plans");
    case cutting::LengthFault::NotACount:
        throw UsageError(at +
                         "limits a stock length to a count that is not a whole number from 1 to 1000000000");
    case cutting::LengthFault::UnknownUnit:
        throw UsageError(at + "has a unit other than mm, cm, m, in, ft or yd");
    default:
        break;
    }
    throw UsageError(at + "is not a length" + (zero ? "" : " greater than 0"));
}

// A length as the command line takes it: "." as separator, millimetres unless it names its unit,
// within the planner's range; `zero` allows 0.
cutting::TypedLength ReadLength(std::string_view text, std::string_view option, bool zero) {
    const cutting::LengthsReading reading = cutting::ReadOrderLength(text, cutting::DecimalForm::Point, zero);
    if (reading.Fault != cutting::LengthFault::None) {
        RefuseLength(reading, option, zero);
    }
    return reading.Stocks.front().Length;
}

// "6000,20ft:4": the stock lengths to order.
std::vector<cutting::StockLength> ReadStockLengths(std::string_view text) {
    cutting::LengthsReading reading = cutting::ReadCommandLineStocks(text);
    if (reading.Fault != cutting::LengthFault::None) {
        RefuseLength(reading, "--order", false);
    }
    return std::move(reading.Stocks);
}

cutting::OrderSettings& Order(ScriptOptions& options) {
    if (!options.order) {
        options.order = cutting::OrderSettings{};
    }
    return *options.order;
}

// One option with its value, if it is one; false for anything else.
bool ReadOption(std::string_view argument, ArgumentCursor& cursor, CliCommand& command) {
    ScriptOptions& options = command.options;
    if (argument == "--precise") {
        options.precise = true;
    } else if (argument == "--strict") {
        options.strict = true;
    } else if (ReadReportFormat(argument, options.report)) {
    } else if (argument == "--volume-unit") {
        options.reportUnits.Volume = ReadVolumeUnit(cursor.ValueOf(argument, "a unit"));
    } else if (argument == "--mass-unit") {
        options.reportUnits.Mass = ReadMassUnit(cursor.ValueOf(argument, "a unit"));
    } else if (argument == "--input-csv") {
        command.csvFile = cursor.ValueOf(argument, "a file");
    } else if (argument == "--order") {
        Order(options).Stocks = ReadStockLengths(cursor.ValueOf(argument, "stock lengths"));
    } else if (argument == "--kerf") {
        Order(options).Kerf = ReadLength(cursor.ValueOf(argument, "a width"), argument, true);
    } else if (argument == "--keep-offcuts") {
        Order(options).KeepOffcuts = ReadLength(cursor.ValueOf(argument, "a length"), argument, false);
    } else if (argument == "--stock") {
        command.stockFile = cursor.ValueOf(argument, "a file");
    } else if (argument == "--update-stock") {
        command.updateStockFile = cursor.ValueOf(argument, "a file");
    } else if (argument == "--ini") {
        options.catalogue = std::filesystem::path(cursor.ValueOf(argument, "a file"));
    } else {
        return false;
    }
    return true;
}

} // namespace

CliCommand ParseArguments(std::span<const std::string_view> arguments, CatalogueFiles defaultCatalogue) {
    CliCommand command;
    command.options.catalogue = std::move(defaultCatalogue);
    bool haveScript = false;
    for (ArgumentCursor cursor(arguments); !cursor.AtEnd();) {
        const std::string_view argument = cursor.Next();
        if (argument == "--help" || argument == "-h") {
            command.action = CliAction::Help;
            return command;
        }
        if (argument == "--version") {
            command.action = CliAction::Version;
            return command;
        }
        if (argument == "--where") {
            command.action = CliAction::Where;
            continue;
        }
        if (argument == "--sections") {
            command.action = CliAction::Sections;
            if (!cursor.AtEnd() && !cursor.Peek().starts_with("--")) {
                command.sectionsFilter = cursor.Next();
            }
            continue;
        }
        if (ReadOption(argument, cursor, command)) {
            continue;
        }
        if (argument.starts_with("--") || haveScript) {
            throw UsageError("unexpected argument '" + std::string(argument) + "'");
        }
        command.scriptFile = argument;
        haveScript = true;
    }
    if (!command.csvFile.empty() && haveScript) {
        throw UsageError("give either a script or --input-csv, not both");
    }
    const bool order = command.options.order && !command.options.order->Stocks.empty();
    if (command.options.order && !order) {
        throw UsageError(std::string(command.options.order->KeepOffcuts ? "--keep-offcuts" : "--kerf") +
                         " needs --order");
    }
    if (!order && (!command.stockFile.empty() || !command.updateStockFile.empty())) {
        throw UsageError(std::string(command.stockFile.empty() ? "--update-stock" : "--stock") +
                         " needs --order");
    }
    return command;
}

} // namespace volcalc::cli
