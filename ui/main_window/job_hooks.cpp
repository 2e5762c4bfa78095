// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of a job: the parts list written as a job file, read back in its place,
// and a cut list imported into it.
#include "ui/desktop/program_settings.h"
#include "ui/main_window/main_window.h"

#include "jobs/job_file.h"
#include "ui/desktop/desktop_services.h"
#include "ui/main_window/totals_panel.h"
#include "ui/parts_list/csv_import.h"
#include "ui/parts_list/job_session.h"
#include "ui/parts_list/list_commands.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/text.h"

#include <QComboBox>
#include <QFile>
#include <QSettings>

#include <fstream>
#include <memory>

namespace volcalc::ui {
namespace {

// The Order dialog's fields: a job carries them when the user has set them.
JobSettings OrderOfSettings() {
    const QSettings settings = ProgramSettings();
    JobSettings order;
    if (settings.contains(OrderStocksKey)) {
        for (const QString& length : settings.value(OrderStocksKey).toString().split(QLatin1Char(';'))) {
            if (!length.trimmed().isEmpty()) {
                order.StockLengths.push_back(length.trimmed().toStdString());
            }
        }
    }
    if (settings.contains(OrderKerfKey)) {
        order.Kerf = settings.value(OrderKerfKey).toString().trimmed().toStdString();
    }
    return order;
}

void KeepOrderSettings(const JobSettings& order) {
    if (order.StockLengths.empty() && order.Kerf.empty()) {
        return;
    }
    QStringList lengths;
    for (const std::string& length : order.StockLengths) {
        lengths << QString::fromStdString(length);
    }
    QSettings settings = ProgramSettings();
    settings.setValue(OrderStocksKey, lengths.join(QStringLiteral("; ")));
    settings.setValue(OrderKerfKey, QString::fromStdString(order.Kerf));
}

} // namespace

sections::SectionShapes* MainWindow::JobSections() {
    if (!m_jobSections) {
        m_jobLibrary = std::make_unique<sections::SectionLibrary>(m_sectionTables);
        m_jobSections = std::make_unique<sections::SectionShapes>(*m_jobLibrary);
    }
    return m_jobSections.get();
}

std::string MainWindow::JobText() const {
    jobs::Job job;
    job.Units = m_partsList->Units();
    job.Currency = m_jobCurrency.empty() ? m_catalogue->Currency() : m_jobCurrency;
    job.Order = OrderOfSettings();
    job.Rows = m_partsList->List().Rows();
    return jobs::JobText(job);
}

// Read on another thread, with sections of its own that the window's thread does not touch
// meanwhile; the rows come in place of the list's only once the whole file has been read.
std::function<void()> MainWindow::ReadJobFile(const std::filesystem::path& file) {
    auto job = std::make_shared<jobs::Job>(jobs::ReadJob(file, m_jobSections.get()));
    return [this, job] {
        m_jobCurrency = job->Currency;
        KeepOrderSettings(job->Order);
        m_partsList->ReplaceAll(std::move(job->Rows));
        ShowJobUnits(job->Units);
    };
}

void MainWindow::ShowJobUnits(ReportUnits units) {
    m_totals->VolumeUnitList()->setCurrentText(Text(NameOf(units.Volume)));
    m_totals->MassUnitList()->setCurrentText(Text(NameOf(units.Mass)));
    volumeUnitChosen();
    massUnitChosen();
}

// The rows that were read are added as one change; those refused are told, each with its place.
void MainWindow::ImportCsv(QWidget*, const QString& file) {
    std::ifstream in(QFile::encodeName(file).toStdString(), std::ios::binary);
    if (!in) {
        Desktop().ShowMessage(QStringLiteral("%1 cannot be read.").arg(file), MessageKind::Error, OkButton);
        return;
    }
    CsvImport imported = ImportCsvList(in, JobSections(), *m_catalogue, m_ledger.InForce());
    if (!imported.Rows.empty()) {
        const int at = int(m_partsList->List().Rows().size());
        m_job->Push(
            new InsertRowsCommand(*m_partsList, at, std::move(imported.Rows), QStringLiteral("Import CSV")));
    }
    if (!imported.Refusals.empty()) {
        QStringList lines;
        for (const std::string& refusal : imported.Refusals) {
            lines << QString::fromStdString(refusal);
        }
        Desktop().ShowMessage(QStringLiteral("%1: these rows were not imported:\n").arg(file) +
                                  lines.join(QLatin1Char('\n')),
                              MessageKind::Warning, OkButton);
    }
}

} // namespace volcalc::ui
