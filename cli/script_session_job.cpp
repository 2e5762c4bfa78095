// SPDX-License-Identifier: GPL-3.0-or-later
// Starting from a job's rows, and the list kept as one.
#include "calc/errors.h"
#include "jobs/job_file.h"
#include "order_section.h"
#include "script_session.h"

namespace volcalc::cli {

void ScriptSession::StartFromJob() {
    jobs::Job job = jobs::ReadJob(m_options.startJob, &m_sectionShapes);
    WarnAboutSectionTables();
    ReportUnits units = m_options.reportUnits;
    if (!m_options.volumeUnitGiven) {
        units.Volume = job.Units.Volume;
    }
    if (!m_options.massUnitGiven) {
        units.Mass = job.Units.Mass;
    }
    // Every row must show in the report's units before any is taken.
    LedgerTotals totals;
    for (const PartsListRow& row : job.Rows) {
        try {
            FiguresOf(row, units);
            totals = TotalsAfter(totals, row);
            TotalsIn(totals, units);
        } catch (const CalculationError& e) {
            throw jobs::JobError(m_options.startJob.string() + ": row " + std::to_string(row.Line) + ": " +
                                 e.what());
        }
    }
    m_options.reportUnits = units;
    const std::int32_t density = m_ledger.CurrentDensity();
    for (const PartsListRow& row : job.Rows) {
        m_ledger.Add(row);
        if (m_order) {
            m_order->Add(row);
        }
        if (m_options.report != ReportFormat::None) {
            m_report.Add(row);
        }
        if (!m_options.saveJob.empty()) {
            m_kept.Add(row);
        }
    }
    // The density in force is what it was before, as at any start.
    if (m_ledger.FollowsDensitySource()) {
        m_ledger.RefreshDensity();
    } else {
        m_ledger.SetDensity(density);
    }
    job.Rows.clear();
    m_startedFrom = std::move(job);
}

jobs::Job ScriptSession::CurrentJob() const {
    jobs::Job job;
    job.Units = m_options.reportUnits;
    job.Currency = m_catalogue ? m_catalogue->Currency() : std::string();
    job.Order = m_options.orderTexts;
    if (m_startedFrom) {
        if (!m_startedFrom->Currency.empty()) {
            job.Currency = m_startedFrom->Currency;
        }
        if (!m_options.order) {
            job.Order = m_startedFrom->Order;
        }
    }
    if (!m_options.saveJob.empty()) {
        job.Rows = m_kept.Rows();
    }
    return job;
}

} // namespace volcalc::cli
