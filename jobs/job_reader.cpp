// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a job: the document checked member by member, each row calculated again.
#include "calc/errors.h"
#include "calc/row_evaluation.h"
#include "calc/units.h"
#include "jobs/calculation_check.h"
#include "jobs/job_file.h"
#include "jobs/job_migration.h"
#include "jobs/row_text.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

namespace volcalc::jobs {
namespace {

using Json = nlohmann::json;

// No member of a job nests deeper than a row's parameters.
constexpr int MaxDepth = 8;

// A fault of the document, before the file's name is put in front.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Json Parse(std::string_view text) {
    const auto shallow = [](int depth, Json::parse_event_t, Json&) {
        if (depth > MaxDepth) {
            throw Fault("not a job: nested deeper than a job is");
        }
        return true;
    };
    try {
        return Json::parse(text.begin(), text.end(), shallow);
    } catch (const Json::parse_error& e) {
        if (e.byte >= text.size()) {
            throw Fault("not a job: the file ends before its document does (cut short?)");
        }
        throw Fault("not a job: not a JSON document (at byte " + std::to_string(e.byte) + ")");
    }
}

const Json& Member(const Json& object, const char* name) {
    const auto found = object.find(name);
    if (found == object.end()) {
        throw Fault(std::string("no \"") + name + "\"");
    }
    return *found;
}

const std::string& Text(const Json& object, const char* name) {
    const Json& value = Member(object, name);
    if (!value.is_string()) {
        throw Fault(std::string("\"") + name + "\" is not a text");
    }
    return value.get_ref<const std::string&>();
}

std::int64_t Integer(const Json& object, const char* name, std::int64_t least, std::int64_t most) {
    const Json& value = Member(object, name);
    if (!value.is_number_integer() || (value.is_number_unsigned() && value.get<std::uint64_t>() > 1u << 31) ||
        value.get<std::int64_t>() < least || value.get<std::int64_t>() > most) {
        throw Fault(std::string("\"") + name + "\" is not a whole number from " + std::to_string(least) +
                    " to " + std::to_string(most));
    }
    return value.get<std::int64_t>();
}

ReportUnits Units(const Json& document) {
    const std::string& volume = Text(document, "volume_unit");
    const auto volumeUnit =
        volume.starts_with("cubic ") ? VolumeUnitFromName(std::string_view(volume).substr(6)) : std::nullopt;
    if (!volumeUnit) {
        throw Fault("unknown volume unit " + Quoted(volume));
    }
    const std::string& mass = Text(document, "mass_unit");
    const auto massUnit = MassUnitFromName(mass);
    if (!massUnit) {
        throw Fault("unknown mass unit " + Quoted(mass));
    }
    return {*volumeUnit, *massUnit};
}

JobSettings Order(const Json& document) {
    JobSettings order;
    const Json& lengths = Member(document, "stock_lengths");
    if (!lengths.is_array()) {
        throw Fault("\"stock_lengths\" is not a list of texts");
    }
    for (const Json& length : lengths) {
        if (!length.is_string()) {
            throw Fault("\"stock_lengths\" is not a list of texts");
        }
        order.StockLengths.push_back(length.get<std::string>());
    }
    order.Kerf = Text(document, "kerf");
    return order;
}

std::optional<double> Price(const Json& row) {
    const Json& price = Member(row, "price_per_kg");
    if (price.is_null()) {
        return std::nullopt;
    }
    if (!price.is_number() || !std::isfinite(price.get<double>()) || price.get<double>() < 0) {
        throw Fault("\"price_per_kg\" is not a price");
    }
    return price.get<double>();
}

// The row's texts through the one check of typed calculations, then calculated again with its own
// material.
PartsListRow ReadRow(const Json& json, std::size_t position, sections::SectionShapes* sections) {
    if (!json.is_object()) {
        throw Fault("not a row");
    }
    const Json& parameters = Member(json, "parameters");
    if (!parameters.is_array() || parameters.size() > MaxShapeParameters) {
        throw Fault("\"parameters\" is not a list of at most " + std::to_string(MaxShapeParameters) +
                    " texts");
    }
    std::array<std::string_view, MaxShapeParameters> texts{};
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (!parameters[i].is_string()) {
            throw Fault("\"parameters\" is not a list of texts");
        }
        texts[i] = parameters[i].get_ref<const std::string&>();
    }
    const std::string quantity = std::to_string(Integer(json, "quantity", -(1LL << 31), (1LL << 31) - 1));
    const CalculationWords words{Text(json, "group"),
                                 Text(json, "shape"),
                                 Text(json, "unit"),
                                 quantity,
                                 {texts.data(), parameters.size()}};
    const CheckedCalculation checked = CheckCalculation(words, sections, true);
    PartsListRow row;
    row.Line = position;
    row.Group = checked.Read.Group;
    row.Shape = checked.Shape;
    row.Unit = checked.Read.Input.Unit;
    row.Quantity = checked.Read.Input.Quantity;
    row.Parameters.assign(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(parameters.size()));
    row.Density = static_cast<std::int32_t>(Integer(json, "density", std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
    row.Material = Text(json, "material");
    if (row.Material == "density " + std::to_string(row.Density)) {
        row.Material.clear(); // a density set by hand
    }
    row.PricePerKg = Price(json);
    row.Mark = Text(json, "mark");
    row.Note = Text(json, "note");
    return EvaluateAgain(row);
}

std::vector<PartsListRow> Rows(const Json& document, ReportUnits units, sections::SectionShapes* sections) {
    const Json& rows = Member(document, "rows");
    if (!rows.is_array()) {
        throw Fault("\"rows\" is not a list");
    }
    std::vector<PartsListRow> read;
    read.reserve(rows.size());
    LedgerTotals totals;
    for (const Json& json : rows) {
        const std::size_t position = read.size() + 1;
        try {
            read.push_back(ReadRow(json, position, sections));
            // A row the list could not show is no row of a list.
            FiguresOf(read.back(), units);
            totals = TotalsAfter(totals, read.back());
            TotalsIn(totals, units);
        } catch (const CalculationWordsError& e) {
            throw Fault("row " + std::to_string(position) + ": " + e.what());
        } catch (const CalculationError& e) {
            throw Fault("row " + std::to_string(position) + ": " + OneLine(e.what()));
        } catch (const Fault& e) {
            throw Fault("row " + std::to_string(position) + ": " + e.what());
        }
    }
    return read;
}

Job ReadDocument(std::string_view text, sections::SectionShapes* sections) {
    Json document = Parse(text);
    const int version = JobVersionOf(document);
    if (version < 0) {
        throw Fault("not a job (no \"format\": \"" + std::string(JobFormatName) + "\")");
    }
    if (version > JobFormatVersion) {
        throw Fault("a job of version " + std::to_string(version) +
                    ", written by a later version of the program; this one reads versions up to " +
                    std::to_string(JobFormatVersion));
    }
    MigrateJob(document, version);
    Job job;
    job.Units = Units(document);
    const Json& currency = Member(document, "currency");
    if (!currency.is_null() && !currency.is_string()) {
        throw Fault("\"currency\" is not a text");
    }
    job.Currency = currency.is_string() ? currency.get<std::string>() : std::string();
    job.Order = Order(document);
    job.Rows = Rows(document, job.Units, sections);
    return job;
}

} // namespace

Job ReadJobText(std::string_view text, const std::string& name, sections::SectionShapes* sections) {
    try {
        return ReadDocument(text, sections);
    } catch (const Fault& e) {
        throw JobError(name + ": " + e.what());
    } catch (const Json::exception& e) {
        throw JobError(name + ": not a job: " + e.what());
    }
}

Job ReadJob(const std::filesystem::path& file, sections::SectionShapes* sections) {
    const std::string name = file.string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw JobError(name + (std::filesystem::exists(file, error) ? ": not a file" : ": no such file"));
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > MaxJobBytes) {
        throw JobError(name + ": too large for a job (" + std::to_string(size) + " bytes, at most " +
                       std::to_string(MaxJobBytes) + ")");
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(size)) ||
        in.peek() != std::char_traits<char>::eof()) {
        throw JobError(name + ": cannot be read");
    }
    return ReadJobText(text, name, sections);
}

bool MayHoldJob(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return !error;
    }
    if (!std::filesystem::is_regular_file(file, error) ||
        std::filesystem::file_size(file, error) > MaxJobBytes) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return JobVersionOf(Parse(text.str())) >= 0;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace volcalc::jobs
