// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/parts_list/column_fit.h"

#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableView;

namespace volcalc {
class MaterialCatalogue;
}

namespace volcalc::ui {

class JobSession;
class OrderDialog;
class PartsListModel;

// The "Parts list" window: the job, every calculation in it with the totals last, to check, edit,
// copy, export, print and keep as a file. It is not modal and can be resized; the main window
// keeps one and shows it again when asked.
class PartsListWindow : public QWidget {
public:
    PartsListWindow(PartsListModel& model, JobSession& job, const MaterialCatalogue& catalogue,
                    QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is already open.
    void ShowAndRaise();
    // What "Prices…" does: the main window edits the catalogue's prices.
    void SetPricesEditor(std::function<void(QWidget* parent)> edit) { m_editPrices = std::move(edit); }
    // What "Import CSV…" does with the file chosen: appends its rows as one change.
    void SetCsvImporter(std::function<void(QWidget* parent, const QString& file)> import) {
        m_importCsv = std::move(import);
    }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTable();
    void BuildButtons();
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                       void (PartsListWindow::*handler)());
    void ShowJobState();
    void ShowRecent();
    void NewClicked();
    void OpenClicked();
    void SaveClicked();
    void SaveAsClicked();
    void ImportCsvClicked();
    void DeleteClicked();
    void UpdatePricesClicked();
    void ApplyEdit(int row, int column, const QString& text);
    void CopyClicked();
    void ExportCsvClicked();
    void PrintClicked();
    void OrderClicked();
    void PricesClicked();
    void FitColumns();
    void NarrowColumns();
    void FitWidth();
    // The width at which no column gives way: every column's widest text, up to the screen.
    int NaturalWidth() const;
    void ResizeWidth(int width);
    int Chrome() const;
    int WidestWidth() const;

    PartsListModel& m_model;
    JobSession& m_job;
    const MaterialCatalogue& m_catalogue;
    std::function<void(QWidget* parent, const QString& file)> m_importCsv;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_recentMenu = nullptr;
    bool m_placed = false;
    std::vector<ColumnNeed> m_columns;
    QTableView* m_table = nullptr;
    QPersistentModelIndex m_cellLeft; // the current cell when the table lost the focus
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_orderButton = nullptr;
    QPushButton* m_pricesButton = nullptr;
    std::function<void(QWidget* parent)> m_editPrices;
    OrderDialog* m_orderDialog = nullptr; // made when first asked for
    // The width the window last gave itself; another one is the user's, which rows do not undo.
    int m_fittedWidth = -1;
};

} // namespace volcalc::ui
