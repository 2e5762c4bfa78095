// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/stock_dialog.h"

#include "jobs/csv_rows.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/handler_guard.h"
#include "ui/object_names.h"
#include "ui/parts_list/window_rack.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/command_button.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <fstream>
#include <iterator>
#include <sstream>

namespace volcalc::ui {
namespace {

enum Column {
    ShapeColumn,
    CrossSectionColumn,
    MaterialColumn,
    LengthColumn,
    UnitColumn,
    CountColumn,
    Columns
};

// The file's columns: group, shape, unit, quantity, material, then the parameters, the length last.
constexpr std::size_t FileParameters = 5;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A file's record as the table shows it; nothing for the header and for rows too short to be one.
std::optional<QStringList> CellsOf(const std::vector<std::string>& fields) {
    if (fields.size() <= FileParameters || fields[0] == "group") {
        return std::nullopt;
    }
    QStringList crossSection;
    for (std::size_t i = FileParameters; i + 1 < fields.size(); ++i) {
        crossSection << Text(fields[i]);
    }
    return QStringList{Text(fields[1]), crossSection.join(QStringLiteral("; ")),
                       Text(fields[4]), Text(fields.back()),
                       Text(fields[2]), Text(fields[3])};
}

std::string Field(const QString& cell) {
    return jobs::CsvField(cell.trimmed().toStdString());
}

} // namespace

StockDialog::StockDialog(std::filesystem::path rackFile, QWidget* parent)
    : QDialog(parent), m_file(std::move(rackFile)) {
    setObjectName(QString::fromLatin1(names::stock::Dialog));
    setWindowTitle(QStringLiteral("Stock on hand"));
    m_table = new QTableWidget(0, Columns, this);
    m_table->setObjectName(QString::fromLatin1(names::stock::Table));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Shape or section"), QStringLiteral("Cross-section"),
                                        QStringLiteral("Material"), QStringLiteral("Length"),
                                        QStringLiteral("Unit"), QStringLiteral("Count")});
    m_table->horizontalHeader()->setSectionResizeMode(CrossSectionColumn, QHeaderView::Stretch);
    SetAccessibleText(
        m_table, QStringLiteral("Bars and offcuts on hand"),
        QStringLiteral("One row a kind of bar: shape or section, cross-section, material, length, "
                       "unit and count"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QString::fromLatin1(names::stock::Problem));
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problem->hide();
    auto* add =
        MakeCommandButton(this, names::stock::AddButton, QStringLiteral("&Add row"),
                          QStringLiteral("Adds a row for bars of another kind"), &StockDialog::AddClicked);
    auto* remove =
        MakeCommandButton(this, names::stock::RemoveButton, QStringLiteral("&Remove row"),
                          QStringLiteral("Removes the selected rows"), &StockDialog::RemoveClicked);
    m_saveButton = MakeCommandButton(this, names::stock::SaveButton, QStringLiteral("&Save"),
                                     QStringLiteral("Saves the rack and closes"), &StockDialog::SaveClicked);
    auto* cancel = MakeCommandButton(static_cast<QWidget*>(this), names::stock::CancelButton,
                                     QStringLiteral("Cancel"), QStringLiteral("Closes without saving"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    auto* where = new QLabel(QStringLiteral("Kept in %1").arg(QString::fromStdString(m_file.string())), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(where);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);
    resize(720, 420);
    Load();
}

void StockDialog::Load() {
    std::ifstream in(m_file, std::ios::binary);
    m_loadedText.assign(std::istreambuf_iterator<char>(in), {});
    std::istringstream text(m_loadedText);
    // Every row is shown as the file holds it, those that do not read too, so that the user can
    // mend them; what is wrong is said below the table.
    const auto malformed =
        jobs::ReadCsvRows(text, [this](const std::vector<std::string>& fields, std::size_t) {
            if (const auto cells = CellsOf(fields)) {
                AddRow(*cells);
            }
        });
    const WindowRack rack = ReadWindowRack(m_file);
    QStringList problems;
    for (const std::string& problem : rack.Reading.Problems) {
        problems << Text(problem);
    }
    if (malformed) {
        problems << QStringLiteral("The rest of the file from line %1 cannot be read.").arg(malformed->Line);
        m_saveButton->setEnabled(false);
    }
    m_problem->setText(problems.join(QLatin1Char('\n')));
    m_problem->setVisible(!problems.isEmpty());
}

void StockDialog::AddRow(const QStringList& cells) {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    for (int column = 0; column < Columns; ++column) {
        m_table->setItem(row, column, new QTableWidgetItem(cells.value(column)));
    }
}

void StockDialog::AddClicked() {
    AddRow({{}, {}, {}, {}, QStringLiteral("millimeter"), QStringLiteral("1")});
    m_table->setCurrentCell(m_table->rowCount() - 1, ShapeColumn);
    m_table->editItem(m_table->currentItem());
}

void StockDialog::RemoveClicked() {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    QList<int> numbers;
    for (const QModelIndex& index : rows) {
        numbers << index.row();
    }
    if (numbers.isEmpty() && m_table->currentRow() >= 0) {
        numbers << m_table->currentRow();
    }
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    for (int row : numbers) {
        m_table->removeRow(row);
    }
}

std::string StockDialog::RackText() const {
    std::string text = "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n";
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = m_table->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        std::string line = "stock," + Field(cell(ShapeColumn)) + "," + Field(cell(UnitColumn)) + "," +
                           Field(cell(CountColumn)) + "," + Field(cell(MaterialColumn));
        for (const QString& parameter :
             cell(CrossSectionColumn).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            line += "," + Field(parameter);
        }
        text += line + "," + Field(cell(LengthColumn)) + "\n";
    }
    return text;
}

void StockDialog::SaveClicked() {
    const std::string text = RackText();
    std::istringstream in(text);
    const jobs::RackReading reading = jobs::ReadRack(in, m_file.string(), &RackSections());
    if (!reading.Problems.empty()) {
        QStringList problems;
        for (const std::string& problem : reading.Problems) {
            problems << Text(problem);
        }
        m_problem->setText(
            QStringLiteral(
                "Nothing is saved: the rows must read first (line 2 is the table's first row).\n") +
            problems.join(QLatin1Char('\n')));
        m_problem->show();
        return;
    }
    if (const QString problem = SaveWindowRack(m_file, text, m_loadedText); !problem.isEmpty()) {
        Desktop().ShowMessage(problem, MessageKind::Error, OkButton);
        return;
    }
    accept();
}

} // namespace volcalc::ui
