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

#include <algorithm>
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

// The deepest nesting of arrays and objects, counted before the document is built, so that no
// document is built of a file nested deeper than a job is.
int Depth(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    bool inText = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inText) {
            i += c == '\\' ? 1 : 0;
            inText = c != '"';
        } else if (c == '"') {
            inText = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
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

ReportUnits UnitsOrFault(const std::string& volume, const std::string& mass) {
    const auto volumeUnit =
        volume.starts_with("cubic ") ? VolumeUnitFromName(std::string_view(volume).substr(6)) : std::nullopt;
    if (!volumeUnit) {
        throw Fault("unknown volume unit " + Quoted(volume));
    }
    const auto massUnit = MassUnitFromName(mass);
    if (!massUnit) {
        throw Fault("unknown mass unit " + Quoted(mass));
    }
    return {*volumeUnit, *massUnit};
}

// The rows one after another, each calculated again and checked to show in the job's units.
class RowReader {
public:
    explicit RowReader(sections::SectionShapes* sections) : m_sections(sections) {}

    void Take(const Json& json, ReportUnits units) {
        const std::size_t position = Rows.size() + 1;
        try {
            Rows.push_back(ReadRow(json, position, m_sections));
            // A row the list could not show is no row of a list.
            FiguresOf(Rows.back(), units);
            m_totals = TotalsAfter(m_totals, Rows.back());
            TotalsIn(m_totals, units);
        } catch (const CalculationWordsError& e) {
            throw Fault("row " + std::to_string(position) + ": " + e.what());
        } catch (const CalculationError& e) {
            throw Fault("row " + std::to_string(position) + ": " + OneLine(e.what()));
        } catch (const Fault& e) {
            throw Fault("row " + std::to_string(position) + ": " + e.what());
        }
    }

    std::vector<PartsListRow> Rows;

private:
    sections::SectionShapes* m_sections;
    LedgerTotals m_totals;
};

// What the document says before its rows, when it says it there (as this program writes it): the
// rows are then read as they are parsed, so that a long job is never held as one tree.
struct Preamble {
    std::string Format;
    std::optional<std::int64_t> Version;
    std::string VolumeUnit;
    std::string MassUnit;

    // The units when the rows can be read as they come: a job of this version with known units.
    std::optional<ReportUnits> ReadyUnits() const {
        if (Format != JobFormatName || Version != JobFormatVersion) {
            return std::nullopt;
        }
        try {
            return UnitsOrFault(VolumeUnit, MassUnit);
        } catch (const Fault&) {
            return std::nullopt;
        }
    }
    void Note(const std::string& key, const Json& value) {
        if (key == "format" && value.is_string()) {
            Format = value.get<std::string>();
        } else if (key == "version" && value.is_number_integer()) {
            Version = value.get<std::int64_t>();
        } else if (key == "volume_unit" && value.is_string()) {
            VolumeUnit = value.get<std::string>();
        } else if (key == "mass_unit" && value.is_string()) {
            MassUnit = value.get<std::string>();
        }
    }
};

// The document without its rows, and the rows apart: read already, or held to be read once the
// document's version is known.
struct Parsed {
    Json Document;
    std::optional<ReportUnits> ReadWith; // the units the rows were read with as they came
    std::vector<Json> Held;
    std::optional<std::string> RowFault; // the first row that did not read
};

Parsed Parse(std::string_view text, RowReader* reader) {
    if (Depth(text) > MaxDepth) {
        throw Fault("not a job: nested deeper than a job is");
    }
    Parsed parsed;
    Preamble preamble;
    std::string key;
    bool inRows = false;
    bool decided = false;
    std::size_t seen = 0;
    // Depths as the parser counts them: 1 for the document's keys and values, 2 for the elements
    // of "rows".
    const auto takeRows = [&](int depth, Json::parse_event_t event, Json& value) {
        if (depth == 1 && event == Json::parse_event_t::key) {
            key = value.get<std::string>();
            inRows = key == "rows";
        } else if (depth == 1 && event == Json::parse_event_t::value) {
            preamble.Note(key, value);
        } else if (depth == 2 && inRows && event == Json::parse_event_t::object_end) {
            ++seen;
            if (!decided) {
                decided = true;
                parsed.ReadWith = reader != nullptr ? preamble.ReadyUnits() : std::nullopt;
            }
            if (parsed.RowFault) {
                return false;
            }
            if (!parsed.ReadWith) {
                parsed.Held.push_back(std::move(value));
                return false;
            }
            try {
                reader->Take(value, *parsed.ReadWith);
            } catch (const Fault& e) {
                parsed.RowFault = e.what();
            }
            return false;
        } else if (depth == 2 && inRows &&
                   (event == Json::parse_event_t::value || event == Json::parse_event_t::array_end)) {
            ++seen;
            if (!parsed.RowFault) {
                parsed.RowFault = "row " + std::to_string(seen) + ": not a row";
            }
        }
        return true;
    };
    try {
        parsed.Document = Json::parse(text.begin(), text.end(), takeRows);
        return parsed;
    } catch (const Json::parse_error& e) {
        if (e.byte >= text.size()) {
            throw Fault("not a job: the file ends before its document does (cut short?)");
        }
        throw Fault("not a job: not a JSON document (at byte " + std::to_string(e.byte) + ")");
    }
}

Job ReadDocument(std::string_view text, sections::SectionShapes* sections) {
    RowReader reader(sections);
    Parsed parsed = Parse(text, &reader);
    Json& document = parsed.Document;
    const int version = JobVersionOf(document);
    if (version < 0) {
        throw Fault("not a job (no \"format\": \"" + std::string(JobFormatName) + "\")");
    }
    if (version > JobFormatVersion) {
        throw Fault("a job of version " + std::to_string(version) +
                    ", written by a later version of the program; this one reads versions up to " +
                    std::to_string(JobFormatVersion));
    }
    MigrateJob(document, parsed.Held, version);
    Job job;
    job.Units = UnitsOrFault(Text(document, "volume_unit"), Text(document, "mass_unit"));
    if (parsed.ReadWith && *parsed.ReadWith != job.Units) {
        throw Fault("not a job: its units are given twice");
    }
    const Json& currency = Member(document, "currency");
    if (!currency.is_null() && !currency.is_string()) {
        throw Fault("\"currency\" is not a text");
    }
    job.Currency = currency.is_string() ? currency.get<std::string>() : std::string();
    job.Order = Order(document);
    if (!Member(document, "rows").is_array()) {
        throw Fault("\"rows\" is not a list");
    }
    if (parsed.RowFault) {
        throw Fault(*parsed.RowFault);
    }
    for (const Json& row : parsed.Held) {
        reader.Take(row, job.Units);
    }
    job.Rows = std::move(reader.Rows);
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
        return JobVersionOf(Parse(text.str(), nullptr).Document) >= 0;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace volcalc::jobs
