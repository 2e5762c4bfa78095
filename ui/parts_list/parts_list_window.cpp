// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/parts_list_window.h"

#include "calc/errors.h"
#include "calc/parts_list_writers.h"
#include "materials/material_catalogue.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/on_demand.h"
#include "ui/desktop/screen_placement.h"
#include "ui/object_names.h"
#include "ui/parts_list/column_fit.h"
#include "ui/parts_list/job_session.h"
#include "ui/parts_list/list_commands.h"
#include "ui/parts_list/order_dialog.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/parts_list_pages.h"
#include "ui/parts_list/report_output.h"
#include "ui/parts_list/row_edit_delegate.h"
#include "ui/parts_list/row_edits.h"
#include "ui/text.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/command_button.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>
#include <string>

namespace volcalc::ui {
namespace {

// The CSV the command line writes for the same calculations given as a list, one a row.
std::string CsvText(const PartsListModel& model) {
    std::ostringstream out;
    const auto writer = MakePartsListWriter(PartsListFormat::Csv, out, model.Units());
    writer->Begin();
    for (const PartsListRow& row : model.List().Rows()) {
        writer->Row(row);
    }
    writer->End(model.Totals());
    return out.str();
}

} // namespace

PartsListWindow::PartsListWindow(PartsListModel& model, JobSession& job, const MaterialCatalogue& catalogue,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_job(job), m_catalogue(catalogue) {
    setObjectName(QString::fromLatin1(names::parts_list::Window));
    BuildTable();
    BuildButtons();
    BuildMenus();
    connect(&m_job, &JobSession::StateChanged, this, &PartsListWindow::ShowJobState);
    ShowJobState();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_orderButton);
    buttons->addWidget(m_pricesButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    FitColumns();
    FitWidth();
}

void PartsListWindow::BuildTable() {
    m_table = new QTableView(this);
    m_table->setObjectName(QString::fromLatin1(names::parts_list::Table));
    m_table->setModel(&m_model);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setItemDelegate(new RowEditDelegate(
        [this](int row, int column, const QString& text) {
            RunHandler([&] { ApplyEdit(row, column, text); });
        },
        [this] {
            QStringList names;
            for (const MaterialView material : m_catalogue.Materials()) {
                names << Text(material.Name);
            }
            return names;
        },
        m_table));
    // Tab leaves the table for the buttons; the arrow keys move from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->moveSection(PartsListModel::MarkColumn, PartsListModel::NumberColumn + 1);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    SetAccessibleText(m_table, QStringLiteral("Parts list"),
                      QStringLiteral("Every calculation that counts, then the object, aperture and resulting "
                                     "totals"));
    // Ctrl+C in the table copies the whole list, as the Copy button does.
    auto* copy = new QShortcut(QKeySequence::Copy, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    ConnectHandler(copy, &QShortcut::activated, this, &PartsListWindow::CopyClicked);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(&m_model, signal, this, &PartsListWindow::FitColumns);
    }
    connect(&m_model, &QAbstractItemModel::headerDataChanged, this, &PartsListWindow::FitColumns);
    m_table->installEventFilter(this);
}

// A table reports its current cell as focused whether or not the table has the focus, so a
// screen reader would hear a cell and a button focused at once: the table keeps a current cell
// only while it has the focus, and takes it back when the focus returns.
bool PartsListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::FocusOut) {
        m_cellLeft = m_table->currentIndex();
        m_table->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else if (watched == m_table && event->type() == QEvent::FocusIn && m_cellLeft.isValid()) {
        m_table->selectionModel()->setCurrentIndex(m_cellLeft, QItemSelectionModel::NoUpdate);
    }
    return QWidget::eventFilter(watched, event);
}

void PartsListWindow::BuildButtons() {
    m_copyButton =
        MakeCommandButton(this, names::parts_list::CopyButton, QStringLiteral("&Copy"),
                          QStringLiteral("Puts the list on the clipboard as cells for a spreadsheet"),
                          &PartsListWindow::CopyClicked);
    m_exportButton =
        MakeCommandButton(this, names::parts_list::ExportCsvButton, QStringLiteral("&Export CSV\u2026"),
                          QStringLiteral("Saves the list as a CSV file"), &PartsListWindow::ExportCsvClicked);
    m_printButton = MakeCommandButton(this, names::parts_list::PrintButton, QStringLiteral("&Print\u2026"),
                                      QStringLiteral("Prints the list, or saves it as a PDF file"),
                                      &PartsListWindow::PrintClicked);
    m_orderButton =
        MakeCommandButton(this, names::parts_list::OrderButton, QStringLiteral("&Order\u2026"),
                          QStringLiteral("Plans the stock bars to buy for the pieces cut from bars"),
                          &PartsListWindow::OrderClicked);
    m_pricesButton =
        MakeCommandButton(this, names::parts_list::PricesButton, QStringLiteral("Pr&ices\u2026"),
                          QStringLiteral("Edits the materials' prices per kilogram and the currency"),
                          &PartsListWindow::PricesClicked);
}

QAction* PartsListWindow::AddAction(QMenu* menu, const char* name, const QString& text,
                                    const QKeySequence& keys, void (PartsListWindow::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    // The window's own keys, working wherever its focus is, but not in the main window.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    if (handler) {
        ConnectHandler(action, &QAction::triggered, this, handler);
    }
    return action;
}

void PartsListWindow::BuildMenus() {
    namespace n = names::parts_list;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QString::fromLatin1(n::MenuBar));
    QMenu* file = m_menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QString::fromLatin1(n::FileMenu));
    AddAction(file, n::NewAction, QStringLiteral("&New"), QKeySequence::New, &PartsListWindow::NewClicked);
    AddAction(file, n::OpenAction, QStringLiteral("&Open\u2026"), QKeySequence::Open,
              &PartsListWindow::OpenClicked);
    m_recentMenu = file->addMenu(QStringLiteral("Open &recent"));
    m_recentMenu->setObjectName(QString::fromLatin1(n::RecentMenu));
    AddAction(file, n::SaveAction, QStringLiteral("&Save"), QKeySequence::Save,
              &PartsListWindow::SaveClicked);
    AddAction(file, n::SaveAsAction, QStringLiteral("Save &As\u2026"),
              QKeySequence(QStringLiteral("Ctrl+Shift+S")), &PartsListWindow::SaveAsClicked);
    file->addSeparator();
    AddAction(file, n::ImportCsvAction, QStringLiteral("&Import CSV\u2026"), {},
              &PartsListWindow::ImportCsvClicked);

    QMenu* edit = m_menuBar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QString::fromLatin1(n::EditMenu));
    QAction* undo = AddAction(edit, n::UndoAction, QStringLiteral("&Undo"), QKeySequence::Undo, nullptr);
    QAction* redo = AddAction(edit, n::RedoAction, QStringLiteral("&Redo"),
                              QKeySequence(QStringLiteral("Ctrl+Shift+Z")), nullptr);
    QUndoStack& stack = m_job.Stack();
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(undo, &QAction::triggered, &stack, [&stack] { RunHandler([&stack] { stack.undo(); }); });
    connect(redo, &QAction::triggered, &stack, [&stack] { RunHandler([&stack] { stack.redo(); }); });
    edit->addSeparator();
    QAction* remove = AddAction(edit, n::DeleteAction, QStringLiteral("&Delete rows"), QKeySequence::Delete,
                                &PartsListWindow::DeleteClicked);
    // Del in a cell's editor deletes a character, not the row.
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(remove);
    edit->addSeparator();
    AddAction(edit, n::UpdatePricesAction, QStringLiteral("Update &prices"), {},
              &PartsListWindow::UpdatePricesClicked);
    ShowRecent();
}

// The title names the job, with "*" while it has unsaved changes.
void PartsListWindow::ShowJobState() {
    const QString unsaved = m_job.IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(m_job.Name() + unsaved + QStringLiteral(" \u2014 Parts list"));
    ShowRecent();
}

void PartsListWindow::ShowRecent() {
    m_recentMenu->clear();
    const QStringList recent = m_job.Recent();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        action->setObjectName(QStringLiteral("RecentJob%1").arg(i + 1));
        connect(action, &QAction::triggered, this,
                [this, path] { RunHandler([this, &path] { m_job.OpenFile(this, path); }); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void PartsListWindow::NewClicked() {
    m_job.New(this);
}

void PartsListWindow::OpenClicked() {
    m_job.Open(this);
}

void PartsListWindow::SaveClicked() {
    m_job.Save(this);
}

void PartsListWindow::SaveAsClicked() {
    m_job.SaveAs(this);
}

void PartsListWindow::ImportCsvClicked() {
    const QString file = Desktop().OpenFileName(this, QStringLiteral("Import CSV"), QString(),
                                                QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!file.isEmpty() && m_importCsv) {
        m_importCsv(this, file);
    }
}

void PartsListWindow::DeleteClicked() {
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        if (!m_model.IsTotalsRow(index.row())) {
            rows.push_back(index.row());
        }
    }
    if (rows.empty()) {
        Desktop().Beep();
        return;
    }
    m_job.Push(new RemoveRowsCommand(m_model, std::move(rows)));
}

// A row's material takes the catalogue's density and price now: every row at once, one change.
void PartsListWindow::UpdatePricesClicked() {
    std::vector<PartsListRow> repriced = Repriced(m_model.List().Rows(), m_catalogue);
    if (repriced == m_model.List().Rows()) {
        return;
    }
    m_job.Push(new ReplaceAllCommand(m_model, std::move(repriced), QStringLiteral("Update prices")));
}

// A text the main window would refuse is refused with its message, and the row stays as it was.
void PartsListWindow::ApplyEdit(int row, int column, const QString& text) {
    if (row < 0 || m_model.IsTotalsRow(row)) {
        return;
    }
    const PartsListRow& current = m_model.List().Rows()[std::size_t(row)];
    PartsListRow edited;
    try {
        edited = EditedRow(current, column, text, m_catalogue);
    } catch (const WrongDataError& refusal) {
        Desktop().ShowMessage(Text(refusal.what()), MessageKind::Warning, OkButton);
        return;
    }
    if (edited == current) {
        return;
    }
    // Totals the list could not show are refused as a calculation's are.
    LedgerTotals totals;
    for (std::size_t i = 0; i < m_model.List().Rows().size(); ++i) {
        totals = TotalsAfter(totals, i == std::size_t(row) ? edited : m_model.List().Rows()[i]);
    }
    m_job.Push(new ReplaceRowCommand(m_model, row, std::move(edited), QStringLiteral("Edit row")));
}

void PartsListWindow::ShowAndRaise() {
    // Rows that came while it was closed only made the columns give way; it opens wide enough
    // for them again (never narrower than the user made it).
    if (width() < NaturalWidth()) {
        ResizeWidth(NaturalWidth());
    }
    show();
    // Centred the first time only; afterwards it opens where the user left it.
    if (!m_placed) {
        m_placed = true;
        CentreOnScreen(*this);
    }
    raise();
    activateWindow();
    m_table->setFocus();
}

// What the window needs beside its columns: its margins, the table's frame and a vertical
// scroll bar, which is kept in the sum whether shown or not so that rows coming in never push a
// column out of view.
int PartsListWindow::Chrome() const {
    const QMargins margins = layout()->contentsMargins();
    return 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width() + margins.left() +
           margins.right();
}

// The widest the window may be: its screen's free width, less the window manager's frame.
int PartsListWindow::WidestWidth() const {
    const int frame = isVisible() ? frameGeometry().width() - width() : 0;
    return screen()->availableGeometry().width() - std::max(frame, 16);
}

// As wide as every column asks for, as far as the screen allows; the user can resize it from
// there, and the columns that may narrow fit the rest.
void PartsListWindow::FitWidth() {
    const QRect screen = this->screen()->availableGeometry();
    resize(NaturalWidth(), std::min(360, screen.height() * 9 / 10));
    m_fittedWidth = width();
}

void PartsListWindow::ResizeWidth(int width) {
    resize(width, height());
    m_fittedWidth = this->width();
}

int PartsListWindow::NaturalWidth() const {
    int wanted = Chrome();
    for (const ColumnNeed& column : m_columns) {
        wanted += int(column.Natural);
    }
    return std::min(wanted, WidestWidth());
}

// Each column as wide as its widest cell or header; the texts of any length (shape, parameters,
// material) give way, down to their header, where the window is narrower than that.
void PartsListWindow::FitColumns() {
    m_table->resizeColumnsToContents();
    QHeaderView* header = m_table->horizontalHeader();
    m_columns.clear();
    for (int column = 0; column < header->count(); ++column) {
        const double natural = header->sectionSize(column);
        const bool narrows = column == PartsListModel::ShapeColumn ||
                             column == PartsListModel::ParametersColumn ||
                             column == PartsListModel::MaterialColumn || column == PartsListModel::NoteColumn;
        m_columns.push_back(
            {natural, narrows ? std::min(natural, double(header->sectionSizeHint(column))) : natural});
    }
    // A column that came to need more than the window has grows the window, up to the screen: to
    // every column's widest text while the window keeps the width it gave itself, and to what the
    // columns need at least once the user chose another.
    int least = Chrome();
    for (const ColumnNeed& column : m_columns) {
        least += int(column.Least);
    }
    const int wanted = width() == m_fittedWidth ? NaturalWidth() : std::min(least, WidestWidth());
    if (wanted > width()) {
        ResizeWidth(wanted);
    }
    NarrowColumns();
}

void PartsListWindow::NarrowColumns() {
    const std::vector<double> widths = FitColumnWidths(m_columns, width() - Chrome());
    QHeaderView* header = m_table->horizontalHeader();
    for (int column = 0; column < int(widths.size()); ++column) {
        header->resizeSection(column, int(widths[std::size_t(column)]));
    }
}

void PartsListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    NarrowColumns();
}

void PartsListWindow::CopyClicked() {
    QApplication::clipboard()->setText(PartsListTabText(m_model));
}

void PartsListWindow::ExportCsvClicked() {
    ExportText(this, QStringLiteral("Export CSV"), QStringLiteral("parts-list.csv"), QStringLiteral("list"),
               [this] { return CsvText(m_model); });
}

void PartsListWindow::PrintClicked() {
    PrintThroughDialog(this, QStringLiteral("list"),
                       [this](const OnDemandFunctions& module, QPrinter& printer) {
                           PrintPartsList(module, m_model, m_job.Name(), printer);
                       });
}

void PartsListWindow::PricesClicked() {
    if (m_editPrices) {
        m_editPrices(this);
    }
}

void PartsListWindow::OrderClicked() {
    if (!m_orderDialog) {
        m_orderDialog = new OrderDialog(m_model, this);
    }
    m_orderDialog->SetJobName(m_job.Name());
    m_orderDialog->ShowAndPlan();
}

} // namespace volcalc::ui
