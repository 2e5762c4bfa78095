// Weighing a list kept in a spreadsheet: one calculation a CSV row.
#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/quantity.h"
#include "calc/units.h"
#include "csv_rows.h"
#include "script_line_error.h"
#include "script_session.h"

#include <algorithm>
#include <array>
#include <istream>

namespace volcalc::cli {

int ScriptSession::RunCsv(std::istream& in) {
    bool failed = false;
    bool stopped = false;
    const std::string error =
        ReadCsvRows(in, [&](const std::vector<std::string>& fields, std::size_t number) {
            if (stopped) {
                return;
            }
            m_failure.clear();
            try {
                RunCsvRow(fields, number);
            } catch (const ECalcError& e) {
                m_failure = ErrorBoxText(e.what());
            } catch (const LineError& e) {
                m_failure = e.what();
            }
            if (!m_failure.empty()) {
                m_err << "row " << number << (m_failure.starts_with("column ") ? ", " : ": ") << m_failure
                      << '\n';
                failed = true;
                stopped = m_options.strict;
            }
        });
    if (!error.empty()) {
        m_err << error << '\n';
        return 1;
    }
    return stopped ? 1 : Finish(failed);
}

namespace {

constexpr const char* CsvColumns[] = {"group", "shape", "unit", "quantity", "material",
                                      "p1",    "p2",    "p3",   "p4",       "p5"};

LineError ColumnError(std::size_t column, const std::string& message) {
    return LineError("column " + std::string(CsvColumns[column]) + ": " + message);
}

bool IsHeader(const std::vector<std::string>& fields) {
    return !fields.empty() && (fields[0] == "group" || fields[0] == "Group" || fields[0] == "GROUP");
}

} // namespace

void ScriptSession::RunCsvRow(const std::vector<std::string>& fields, std::size_t number) {
    m_line = number;
    if (number == 1 && IsHeader(fields)) {
        return;
    }
    if (fields.size() < 4 || fields.size() > std::size(CsvColumns)) {
        throw LineError("expected group,shape,unit,quantity,material,p1..p5 but found " +
                        std::to_string(fields.size()) + " columns");
    }
    const auto group = fields[0] == "object"     ? std::optional(CalcGroup::Object)
                       : fields[0] == "aperture" ? std::optional(CalcGroup::Aperture)
                                                 : std::nullopt;
    if (!group) {
        throw ColumnError(0, "expected object or aperture, found " + Quoted(fields[0]));
    }
    const bool object = *group == CalcGroup::Object;
    const ShapeEntry* shape = FindShape(*group, fields[1]);
    if (shape == nullptr || shape->Rule == nullptr) {
        throw ColumnError(1, std::string("unknown ") + (object ? "object" : "aperture") + " shape " +
                                 Quoted(fields[1]));
    }
    if (!LengthUnitFromName(fields[2])) {
        throw ColumnError(2, "unknown length unit " + Quoted(fields[2]));
    }
    std::array<std::string_view, 5> texts{};
    const std::size_t count = shape->Parameters.size();
    for (std::size_t i = 0; i + 5 < fields.size(); ++i) {
        if (i >= count && !fields[i + 5].empty()) {
            throw ColumnError(i + 5,
                              Quoted(shape->DisplayName) + " takes " + std::to_string(count) + " parameters");
        }
        if (i < count) {
            texts[i] = fields[i + 5];
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (texts[i].empty()) {
            throw ColumnError(i + 5, "empty; " + OneLine(std::string(WrongDataWarning)));
        }
        try {
            ParseDecimalText(texts[i]);
        } catch (const ECalcError& e) {
            throw ColumnError(i + 5, ErrorBoxText(e.what()));
        }
    }
    if (fields.size() > 4) {
        SetCsvMaterial(fields[4]);
    }
    const QuantityRules& rules = QuantityFieldRules;
    AddCalculation({*group, shape, fields[2], rules.Clamp(rules.Read(fields[3])),
                    std::span<const std::string_view>(texts.data(), count)});
}

void ScriptSession::SetCsvMaterial(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (text.starts_with("density ")) {
        const auto density = ReadIntegerText(text.substr(8));
        if (!density) {
            throw ColumnError(4, ErrorBoxText(InvalidIntegerError(std::string(text.substr(8))).what()));
        }
        FixDensity(*density);
        return;
    }
    if (m_catalogue) {
        const auto& names = m_catalogue->Names();
        const auto found = std::find(names.begin(), names.end(), text);
        if (found != names.end()) {
            if (m_catalogue->SelectedIndex() != found - names.begin()) {
                m_catalogue->PickMaterial(static_cast<int>(found - names.begin()));
            }
            FollowCatalogue();
            return;
        }
    }
    throw ColumnError(4, "no material named " + Quoted(text));
}

} // namespace volcalc::cli
