// SPDX-License-Identifier: GPL-3.0-or-later
// Weighing a list kept in a spreadsheet: one calculation a CSV row.
#include "calc/parts_list_writers.h"
#include "script_line_error.h"
#include "script_session.h"

#include <algorithm>
#include <istream>

namespace volcalc::cli {

int ScriptSession::RunCsv(std::istream& in) {
    if (m_options.report != ReportFormat::None && !OrderCsvOnly()) {
        m_rowWriter = MakePartsListWriter(PartsListFormatOf(m_options.report), m_out, m_options.reportUnits,
                                          OrderAppendix(), RowByRowPrices());
        m_rowWriter->Begin();
    }
    m_csvFailed = false;
    const jobs::ListReading reading{&m_sectionShapes, m_options.strict, {}};
    if (const auto error = jobs::ReadListRows(in, reading, *this)) {
        m_err << *error << '\n';
        m_csvFailed = true;
    }
    return !m_out ? 2 : Finish(m_csvFailed);
}

bool ScriptSession::Begin(std::size_t line) {
    if (!m_out || (m_csvFailed && m_options.strict)) {
        return false;
    }
    m_line = line;
    m_failure.clear();
    m_csvBefore = SavedSelection();
    return true;
}

void ScriptSession::Take(const jobs::ListRow& row) {
    WarnAboutSectionTables();
    if (row.Density) {
        FixDensity(*row.Density);
    } else {
        SetCsvMaterial(row.Material);
    }
    AddCalculation(row.Calculation);
    if (!row.Calculation.QuantityAsTyped) {
        WarnAboutQuantity(jobs::ColumnPlace(row.Line, jobs::QuantityColumn), row.Words, row.Calculation);
    }
}

void ScriptSession::Refuse(const std::string& place, const std::string& message) {
    WarnAboutSectionTables();
    m_failure = message;
    m_csvFailed = Failed(place, m_csvBefore) || m_csvFailed;
}

void ScriptSession::SetCsvMaterial(std::string_view text) {
    if (text.empty()) {
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
    throw jobs::ColumnError(jobs::MaterialColumn, "no material named " + Quoted(text));
}

} // namespace volcalc::cli
