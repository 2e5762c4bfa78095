// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the parts list: it records each calculation the ledger accepted and
// opens the one "Parts list" window.
#include "ui/main_window/main_window.h"

#include "ui/main_window/totals_panel.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/parts_list_window.h"

#include <QFile>

namespace volcalc::ui {

ReportUnits MainWindow::ShownUnits() const {
    return m_totals->ShownUnits();
}

void MainWindow::partsListClicked() {
    if (!m_partsListWindow) {
        m_partsListWindow = new PartsListWindow(
            *m_partsList, [this] { return QFile::decodeName(m_catalogue->IniPath().c_str()); }, this);
        m_partsListWindow->SetPricesEditor([this](QWidget* parent) { EditPrices(parent); });
    }
    m_partsListWindow->ShowAndRaise();
}

} // namespace volcalc::ui
