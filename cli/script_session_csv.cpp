// SPDX-License-Identifier: GPL-3.0-or-later
// Weighing a list kept in a spreadsheet: one calculation a CSV row.
#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/parts_list_writers.h"
#include "calculation_check.h"
#include "csv_rows.h"
#include "script_line_error.h"
#include "script_session.h"

#include <algorithm>
#include <array>
#include <istream>

namespace volcalc::cli {
namespace {

constexpr const char* CsvColumns[] = {"group", "shape", "unit", "quantity", "material",
                                      "p1",    "p2",    "p3",   "p4",       "p5"};
constexpr std::size_t MaterialColumn = 4;
constexpr std::size_t FirstParameterColumn = 5;

std::string Place(std::size_t line, std::size_t column) {
    return "line " + std::to_string(line) + ", column " +
           (column < std::size(CsvColumns) ? CsvColumns[column] : std::to_string(column + 1));
}

std::size_t ColumnOf(const CalculationWordsError& e) {
    switch (e.Part) {
    case CalculationPart::Group:
        return 0;
    case CalculationPart::Shape:
        return 1;
    case CalculationPart::Unit:
        return 2;
    case CalculationPart::Quantity:
        return 3;
    case CalculationPart::Parameter:
        break;
    }
    return FirstParameterColumn + e.Parameter;
}

// A failure that belongs to one column of the row.
class ColumnError : public LineError {
public:
    ColumnError(std::size_t column, const std::string& message) : LineError(message), Column(column) {}
    std::size_t Column;
};

bool IsHeader(const std::vector<std::string>& fields) {
    return !fields.empty() && (fields[0] == "group" || fields[0] == "Group" || fields[0] == "GROUP");
}

} // namespace

int ScriptSession::RunCsv(std::istream& in) {
    if (m_options.report != ReportFormat::None) {
        m_rowWriter = MakePartsListWriter(PartsListFormatOf(m_options.report), m_out, m_options.reportUnits,
                                          OrderAppendix(), RowByRowPrices());
        m_rowWriter->Begin();
    }
    bool failed = false;
    bool first = true;
    const auto error = ReadCsvRows(in, [&](const std::vector<std::string>& fields, std::size_t line) {
        const bool header = first && IsHeader(fields);
        first = false;
        if (header || !m_out || (failed && m_options.strict)) {
            return;
        }
        m_failure.clear();
        const Selection before = SavedSelection();
        std::string place; // the column's, where the failure belongs to one
        try {
            RunCsvRow(fields, line);
        } catch (const ColumnError& e) {
            m_failure = e.what();
            place = Place(line, e.Column);
        } catch (const CalculationWordsError& e) {
            m_failure = e.what();
            place = Place(line, ColumnOf(e));
        } catch (const CalculationError& e) {
            m_failure = ErrorBoxText(e.what());
        } catch (const LineError& e) {
            m_failure = e.what();
        }
        if (!m_failure.empty()) {
            failed = Failed(place.empty() ? "line " + std::to_string(line) : place, before) || failed;
        }
    });
    if (error) {
        m_err << Place(error->Line, error->Field) << ": malformed CSV: " << error->Text << '\n';
        failed = true;
    }
    return !m_out ? 2 : Finish(failed);
}

void ScriptSession::RunCsvRow(const std::vector<std::string>& fields, std::size_t line) {
    m_line = line;
    if (fields.size() < 4 || fields.size() > std::size(CsvColumns)) {
        throw LineError("expected group,shape,unit,quantity,material,p1..p5 but found " +
                        std::to_string(fields.size()) + " columns");
    }
    std::array<std::string_view, std::size(CsvColumns) - FirstParameterColumn> parameters{};
    std::size_t given = 0;
    for (std::size_t column = FirstParameterColumn; column < fields.size(); ++column) {
        parameters[column - FirstParameterColumn] = fields[column];
        if (!fields[column].empty()) {
            given = column - FirstParameterColumn + 1;
        }
    }
    const CalculationWords words{fields[0], fields[1], fields[2], fields[3],
                                 std::span<const std::string_view>(parameters.data(), given)};
    const CheckedCalculation calculation = Check(words);
    if (fields.size() > MaterialColumn) {
        SetCsvMaterial(fields[MaterialColumn]);
    }
    AddCalculation(calculation);
    if (!calculation.QuantityAsTyped) {
        WarnAboutQuantity(Place(line, 3), words, calculation);
    }
}

void ScriptSession::SetCsvMaterial(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (text.starts_with("density ")) {
        const auto density = ReadIntegerText(text.substr(8));
        if (!density) {
            throw ColumnError(MaterialColumn, ErrorBoxText(InvalidIntegerError(Echo(text.substr(8))).what()));
        }
        FixDensity(*density);
        return;
    }
    if (m_catalogue) {
        const MaterialList& materials = m_catalogue->Materials();
        const auto found = std::find_if(materials.begin(), materials.end(),
                                        [&](MaterialView material) { return material.Name == text; });
        if (found != materials.end()) {
            const auto position = static_cast<int>(std::distance(materials.begin(), found));
            if (m_catalogue->SelectedIndex() != position) {
                m_catalogue->PickMaterial(position);
            }
            FollowCatalogue();
            return;
        }
    }
    throw ColumnError(MaterialColumn, "no material named " + Quoted(text));
}

} // namespace volcalc::cli
