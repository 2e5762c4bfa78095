// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/list_rows.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "jobs/csv_rows.h"

#include <array>
#include <span>

namespace volcalc::jobs {
namespace {

constexpr const char* Columns[] = {"group", "shape", "unit", "quantity", "material",
                                   "p1",    "p2",    "p3",   "p4",       "p5"};
constexpr std::size_t FirstParameterColumn = 5;

std::size_t ColumnOf(const CalculationWordsError& e) {
    switch (e.Part) {
    case CalculationPart::Group:
        return 0;
    case CalculationPart::Shape:
        return 1;
    case CalculationPart::Unit:
        return 2;
    case CalculationPart::Quantity:
        return QuantityColumn;
    case CalculationPart::Parameter:
        break;
    }
    return FirstParameterColumn + e.Parameter;
}

bool IsHeader(const std::vector<std::string>& fields) {
    return !fields.empty() && (fields[0] == "group" || fields[0] == "Group" || fields[0] == "GROUP");
}

struct MaterialColumnText {
    std::string_view Material;
    std::optional<std::int32_t> Density;
};

MaterialColumnText ReadMaterial(std::string_view text) {
    if (!text.starts_with("density ")) {
        return {text, std::nullopt};
    }
    const std::optional<std::int32_t> density = ReadIntegerText(text.substr(8));
    if (!density) {
        throw ColumnError(MaterialColumn, ErrorBoxText(InvalidIntegerError(Echo(text.substr(8))).what()));
    }
    return {{}, density};
}

void CheckGroup(std::string_view group, const ListReading& reading) {
    if (!reading.OnlyGroup.empty() && group != reading.OnlyGroup) {
        throw CalculationWordsError(CalculationPart::Group, 0,
                                    "expected " + std::string(reading.OnlyGroup) + ", found " +
                                        Quoted(group));
    }
}

void TakeRow(const std::vector<std::string>& fields, std::size_t line, const ListReading& reading,
             ListRowTarget& target) {
    if (fields.size() < 4 || fields.size() > std::size(Columns)) {
        throw LineError("expected group,shape,unit,quantity,material,p1..p5 but found " +
                        std::to_string(fields.size()) + " columns");
    }
    std::array<std::string_view, std::size(Columns) - FirstParameterColumn> parameters{};
    std::size_t given = 0;
    for (std::size_t column = FirstParameterColumn; column < fields.size(); ++column) {
        parameters[column - FirstParameterColumn] = fields[column];
        if (!fields[column].empty()) {
            given = column - FirstParameterColumn + 1;
        }
    }
    CheckGroup(fields[0], reading);
    const CalculationWords words{fields[0], fields[1], fields[2], fields[3], {parameters.data(), given}};
    CalculationWords checked = words;
    if (!reading.OnlyGroup.empty()) {
        checked.Group = "object";
    }
    const CheckedCalculation calculation =
        CheckCalculation(checked, reading.Sections, reading.StrictQuantity);
    const MaterialColumnText material =
        fields.size() > MaterialColumn ? ReadMaterial(fields[MaterialColumn]) : MaterialColumnText{};
    const ListRow row{line, words, calculation, material.Material, material.Density};
    target.Take(row);
}

} // namespace

std::string ColumnPlace(std::size_t line, std::size_t column) {
    return "line " + std::to_string(line) + ", column " +
           (column < std::size(Columns) ? Columns[column] : std::to_string(column + 1));
}

std::optional<std::string> ReadListRows(std::istream& in, const ListReading& reading, ListRowTarget& target) {
    bool first = true;
    const auto error = ReadCsvRows(in, [&](const std::vector<std::string>& fields, std::size_t line) {
        const bool header = first && IsHeader(fields);
        first = false;
        if (header || !target.Begin(line)) {
            return;
        }
        std::string place; // the column's, where the failure belongs to one
        std::string message;
        try {
            TakeRow(fields, line, reading, target);
            return;
        } catch (const ColumnError& e) {
            message = e.what();
            place = ColumnPlace(line, e.Column);
        } catch (const CalculationWordsError& e) {
            message = e.what();
            place = ColumnPlace(line, ColumnOf(e));
        } catch (const CalculationError& e) {
            message = ErrorBoxText(e.what());
        } catch (const LineError& e) {
            message = e.what();
        }
        target.Refuse(place.empty() ? "line " + std::to_string(line) : place, message);
    });
    if (error) {
        return ColumnPlace(error->Line, error->Field) + ": malformed CSV: " + error->Text;
    }
    return std::nullopt;
}

} // namespace volcalc::jobs
