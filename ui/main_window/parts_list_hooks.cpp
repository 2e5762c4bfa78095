// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the parts list: it records each calculation the ledger accepted, shows
// the list's totals, keeps the job the list is, and opens the one "Parts list" window.
#include "ui/main_window/main_window.h"

#include "ui/desktop/desktop_services.h"
#include "ui/main_window/totals_panel.h"
#include "ui/parts_list/job_session.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/parts_list_window.h"
#include "ui/parts_list/row_edits.h"

#include <QCloseEvent>
#include <QToolButton>
#include <QUndoStack>

namespace volcalc::ui {

ReportUnits MainWindow::ShownUnits() const {
    return m_totals->ShownUnits();
}

void MainWindow::MakeJob(const std::filesystem::path& recoveryFolder) {
    JobFormat format{[this] { return JobText(); },
                     [this](const std::filesystem::path& file) { return ReadJobFile(file); },
                     [this] { m_partsList->ReplaceAll({}); }};
    m_job = new JobSession(std::move(format), recoveryFolder, this);
    JobSections(); // made here, before any reader thread uses them
    connect(m_partsList, &PartsListModel::ListChanged, this, &MainWindow::ListChanged);
    // A command changes the list before the stack counts it: whether Undo can act is known after.
    connect(&m_job->Stack(), &QUndoStack::indexChanged, this, &MainWindow::ListChanged);
    m_partsList->SetMaterialCheck(
        [this](const PartsListRow& row) { return CompareWithCatalogue(row, *m_catalogue); });
}

// Whatever changed the list, the totals shown are its own and Undo takes back its last change.
// As after a calculation, the totals are shown in cubic metres and kilograms again; after a
// reset, whose totals are all zero, in the units shown.
void MainWindow::ListChanged() {
    if (!m_keepingUnits) {
        m_totals->ResetUnits();
    }
    m_ledger.ShowList(m_partsList->ListTotals(), m_job->Stack().canUndo());
}

void MainWindow::ShowPartsList() {
    if (!m_partsListWindow) {
        m_partsListWindow = new PartsListWindow(*m_partsList, *m_job, *m_catalogue, this);
        m_partsListWindow->SetPricesEditor([this](QWidget* parent) { EditPrices(parent); });
        m_partsListWindow->SetCsvImporter(
            [this](QWidget* parent, const QString& file) { ImportCsv(parent, file); });
    }
    m_partsListWindow->ShowAndRaise();
}

void MainWindow::partsListClicked() {
    ShowPartsList();
}

void MainWindow::OpenJobAtStart(const QString& file) {
    if (!file.isEmpty()) {
        ShowPartsList();
        m_job->OpenFile(m_partsListWindow, file);
    } else if (m_job->OfferRecovery(this)) {
        ShowPartsList();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_job->MayDiscard(this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace volcalc::ui
