// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/parts_list_window.h"

#include "calc/parts_list_writers.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/on_demand.h"
#include "ui/desktop/screen_placement.h"
#include "ui/object_names.h"
#include "ui/parts_list/column_fit.h"
#include "ui/parts_list/order_dialog.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/parts_list_pages.h"
#include "ui/parts_list/report_output.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/command_button.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPageLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
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

PartsListWindow::PartsListWindow(PartsListModel& model, std::function<QString()> catalogueFile,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_catalogueFile(std::move(catalogueFile)) {
    setObjectName(QString::fromLatin1(names::parts_list::Window));
    setWindowTitle(QStringLiteral("Parts list"));
    BuildTable();
    BuildButtons();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_orderButton);
    buttons->addWidget(m_pricesButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
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
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrow keys move from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setVisible(false);
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
                             column == PartsListModel::MaterialColumn;
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
    PrintThroughDialog(
        this, QStringLiteral("list"), [this](const OnDemandFunctions& module, QPrinter& printer) {
            PrintPartsList(module, m_model, m_catalogueFile ? m_catalogueFile() : QString(), printer);
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
    m_orderDialog->ShowAndPlan();
}

} // namespace volcalc::ui
