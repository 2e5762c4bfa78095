// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_dialog.h"

#include "calc/file_writer.h"
#include "calc/number_text.h"
#include "cutting/order_arguments.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"
#include "cutting/plan_cuts.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/on_demand.h"
#include "ui/desktop/program_settings.h"
#include "ui/object_names.h"
#include "ui/parts_list/bar_diagrams_view.h"
#include "ui/parts_list/order_pages.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/report_output.h"
#include "ui/parts_list/stock_dialog.h"
#include "ui/parts_list/window_rack.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/command_button.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>

namespace volcalc::ui {
namespace {

const QString KeepOffcutsKey = QStringLiteral("Order/KeepOffcuts");

// "6000; 12000" for "6000,12000": the stock lengths the text reads as on the command line.
QString AsList(const QString& text) {
    QString list = text.trimmed();
    return list.replace(QLatin1Char(','), QStringLiteral("; "));
}

// Why the stock lengths were not taken, and how to write them.
QString StocksProblem(const cutting::LengthsReading& reading) {
    const QString part = QString::fromStdString(reading.Part).trimmed();
    switch (reading.Fault) {
    case cutting::LengthFault::TwoReadings:
        if (part.count(QLatin1Char(',')) == 1) {
            return QStringLiteral("'%1' reads two ways: write %2 for two stock lengths, or %3 for one.")
                .arg(part, AsList(part), QString(part).replace(QLatin1Char(','), QLatin1Char('.')));
        }
        return QStringLiteral("Separate stock lengths with semicolons: %1.").arg(AsList(part));
    case cutting::LengthFault::TooShort:
        return QStringLiteral("'%1' is shorter than 0.001 mm, the least length the order plans.").arg(part);
    case cutting::LengthFault::NoLength:
        return QStringLiteral("Give at least one stock length, e.g. 6000; 12000.");
    case cutting::LengthFault::NotACount:
        return QStringLiteral(
                   "'%1' limits a stock length to a count that is not a whole number of bars from 1.")
            .arg(part);
    case cutting::LengthFault::UnknownUnit:
        return QStringLiteral("'%1' has a unit other than mm, cm, m, in, ft or yd.").arg(part);
    case cutting::LengthFault::NotALength:
    case cutting::LengthFault::None:
        break;
    }
    return QStringLiteral("'%1' is not a stock length.").arg(part);
}

// One length of the fields other than the stock lengths: none for an empty field.
std::optional<cutting::TypedLength> ReadLength(const QString& text, bool zero, const QString& what,
                                               QString& problem) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const cutting::LengthsReading reading =
        cutting::ReadOrderLength(text.trimmed().toStdString(), cutting::DecimalForm::PointOrComma, zero);
    if (reading.Fault != cutting::LengthFault::None) {
        problem = reading.Fault == cutting::LengthFault::UnknownUnit
                      ? StocksProblem(reading)
                      : QStringLiteral("'%1' is not %2.").arg(text.trimmed(), what);
        return std::nullopt;
    }
    return reading.Stocks.front().Length;
}

// "1 bar", "3 bars".
QString Counted(std::int64_t count, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// Bars in all of a change's kinds.
std::int64_t BarsOf(const std::vector<cutting::RackBars>& bars) {
    std::int64_t count = 0;
    for (const cutting::RackBars& kind : bars) {
        count += kind.Count;
    }
    return count;
}

} // namespace

OrderDialog::OrderDialog(const PartsListModel& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_planning(new OrderPlanning(this)) {
    setObjectName(QString::fromLatin1(names::order::Dialog));
    setWindowTitle(QStringLiteral("Bars to order"));
    BuildFields();
    BuildButtons();
    BuildProgress();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Stock lengths:"), m_stocksField);
    form->addRow(QStringLiteral("&Kerf:"), m_kerfField);
    form->addRow(QStringLiteral("Keep &offcuts from:"), m_keepField);
    auto* side = new QVBoxLayout;
    side->addWidget(m_stockButton);
    side->addStretch();
    side->addWidget(m_planButton);
    auto* fields = new QHBoxLayout;
    fields->addLayout(form);
    fields->addLayout(side);
    fields->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_printButton);
    buttons->addStretch();
    buttons->addWidget(m_cutButton);
    auto* plan = new QSplitter(Qt::Vertical, this);
    plan->addWidget(m_planText);
    plan->addWidget(m_diagramsArea);
    plan->setChildrenCollapsible(false);
    // The diagrams are what the saw reads, and need the room.
    plan->setStretchFactor(0, 1);
    plan->setStretchFactor(1, 2);
    plan->setSizes({180, 360});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(m_progressRow);
    layout->addWidget(m_note);
    layout->addWidget(plan, 1);
    layout->addLayout(buttons);
    resize(800, 640);
}

void OrderDialog::BuildFields() {
    const QSettings settings = ProgramSettings();
    m_stocksField =
        new QLineEdit(settings.value(OrderStocksKey, QStringLiteral("6000; 12000")).toString(), this);
    m_stocksField->setObjectName(QString::fromLatin1(names::order::StockLengthsField));
    SetAccessibleText(
        m_stocksField, QStringLiteral("Stock lengths"),
        QStringLiteral("The bar lengths that can be bought, separated by semicolons, each in "
                       "millimetres or with its unit, and with the most bars to buy after a colon"));
    m_kerfField = new QLineEdit(settings.value(OrderKerfKey, QStringLiteral("0")).toString(), this);
    m_kerfField->setObjectName(QString::fromLatin1(names::order::KerfField));
    SetAccessibleText(m_kerfField, QStringLiteral("Kerf"), QStringLiteral("The width each saw cut takes"));
    m_keepField = new QLineEdit(settings.value(KeepOffcutsKey).toString(), this);
    m_keepField->setObjectName(QString::fromLatin1(names::order::KeepOffcutsField));
    m_keepField->setPlaceholderText(QStringLiteral("all offcuts are scrap"));
    SetAccessibleText(
        m_keepField, QStringLiteral("Keep offcuts from"),
        QStringLiteral("The least length of an offcut worth keeping on the rack; shorter ones are "
                       "scrap"));
    for (QLineEdit* field : {m_stocksField, m_kerfField, m_keepField}) {
        ConnectHandler(field, &QLineEdit::returnPressed, this, &OrderDialog::Plan);
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QString::fromLatin1(names::order::Problem));
    m_problem->hide();
    m_planText = new QPlainTextEdit(this);
    m_planText->setObjectName(QString::fromLatin1(names::order::PlanText));
    m_planText->setReadOnly(true);
    m_planText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_planText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetAccessibleText(
        m_planText, QStringLiteral("Bars to order"),
        QStringLiteral("For each shape, cross-section and material: the bars with their cuts and "
                       "offcut, the masses, the offcut share and the cost"));
    m_diagrams = new BarDiagramsView(this);
    m_diagrams->setObjectName(QString::fromLatin1(names::order::Diagrams));
    SetAccessibleText(m_diagrams, QStringLiteral("Diagrams for the saw"),
                      QStringLiteral("Each distinct bar drawn to scale with its pieces, kerfs and offcut"));
    m_diagramsArea = new QScrollArea(this);
    m_diagramsArea->setWidget(m_diagrams);
    m_diagramsArea->setWidgetResizable(true);
    m_diagramsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_note = new QLabel(this);
    m_note->setObjectName(QString::fromLatin1(names::order::Note));
    m_note->setWordWrap(true);
    m_note->hide();
}

void OrderDialog::BuildProgress() {
    m_progressRow = new QWidget(this);
    m_progress = new QProgressBar(m_progressRow);
    m_progress->setObjectName(QString::fromLatin1(names::order::Progress));
    SetAccessibleText(m_progress, QStringLiteral("Planning"), QStringLiteral("The groups planned so far"));
    m_cancelButton = MakeCommandButton(this, names::order::CancelButton, QStringLiteral("Cancel"),
                                       QStringLiteral("Stops planning and keeps the best plan found so far"),
                                       &OrderDialog::CancelClicked);
    m_cancelButton->setParent(m_progressRow);
    auto* row = new QHBoxLayout(m_progressRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancelButton);
    m_progressRow->hide();
}

void OrderDialog::BuildButtons() {
    m_planButton = MakeCommandButton(this, names::order::PlanButton, QStringLiteral("P&lan"),
                                     QStringLiteral("Plans the bars for these stock lengths and this kerf"),
                                     &OrderDialog::Plan);
    m_copyButton = MakeCommandButton(this, names::order::CopyButton, QStringLiteral("&Copy"),
                                     QStringLiteral("Puts the order on the clipboard as text"),
                                     &OrderDialog::CopyClicked);
    m_exportButton =
        MakeCommandButton(this, names::order::ExportButton, QStringLiteral("&Export CSV\u2026"),
                          QStringLiteral("Saves the order as a CSV file"), &OrderDialog::ExportClicked);
    m_printButton = MakeCommandButton(this, names::order::PrintButton, QStringLiteral("&Print\u2026"),
                                      QStringLiteral("Prints the order, or saves it as a PDF file"),
                                      &OrderDialog::PrintClicked);
    m_stockButton = MakeCommandButton(this, names::order::StockButton, QStringLiteral("S&tock\u2026"),
                                      QStringLiteral("Edits the rack of bars and offcuts on hand"),
                                      &OrderDialog::StockClicked);
    m_cutButton =
        MakeCommandButton(this, names::order::CutButton, QStringLiteral("C&ut this plan"),
                          QStringLiteral("Takes the rack's bars the plan cuts out of the rack and puts the "
                                         "remnants it keeps in"),
                          &OrderDialog::CutClicked);
    m_cutButton->setEnabled(false);
}

void OrderDialog::ShowAndPlan() {
    show();
    raise();
    activateWindow();
    Plan();
    m_stocksField->setFocus();
}

std::optional<cutting::OrderSettings> OrderDialog::ReadFields() {
    cutting::OrderSettings settings;
    cutting::LengthsReading stocks = cutting::ReadWindowStocks(m_stocksField->text().toStdString());
    if (stocks.Fault != cutting::LengthFault::None) {
        m_problem->setText(StocksProblem(stocks));
        return std::nullopt;
    }
    settings.Stocks = std::move(stocks.Stocks);
    QString problem;
    if (const auto kerf = ReadLength(m_kerfField->text(), true, QStringLiteral("a kerf"), problem)) {
        settings.Kerf = *kerf;
    }
    settings.KeepOffcuts =
        ReadLength(m_keepField->text(), false, QStringLiteral("a length of offcut worth keeping"), problem);
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        return std::nullopt;
    }
    const std::filesystem::path rackFile = WindowRackFile();
    if (!rackFile.empty()) {
        const WindowRack rack = ReadWindowRack(rackFile);
        if (!rack.Reading.Problems.empty()) {
            m_problem->setText(
                QStringLiteral("Nothing is planned from a damaged rack: %1 Mend it with Stock\u2026")
                    .arg(QString::fromStdString(rack.Reading.Problems.front())));
            return std::nullopt;
        }
        settings.Rack = rack.Reading.Rack.Bars();
    }
    return settings;
}

void OrderDialog::Plan() {
    if (m_planning->Running()) {
        return;
    }
    const auto settings = ReadFields();
    m_problem->setVisible(!settings);
    m_note->hide();
    m_orders.clear();
    m_planText->clear();
    m_diagrams->SetGroups({});
    SetPlanning(false);
    if (!settings) {
        return;
    }
    m_settings = *settings;
    QSettings file = ProgramSettings();
    file.setValue(OrderStocksKey, m_stocksField->text().trimmed());
    file.setValue(OrderKerfKey, m_kerfField->text().trimmed());
    file.setValue(KeepOffcutsKey, m_keepField->text().trimmed());
    std::vector<cutting::OrderItem> items;
    for (const PartsListRow& row : m_model.List().Rows()) {
        if (auto item = cutting::OrderItemOfRow(row)) {
            items.push_back(std::move(*item));
        }
    }
    Planner planner = m_planner;
    if (!planner) {
        const OnDemandFunctions* module = OnDemand();
        if (!module) {
            m_problem->setText(QStringLiteral("The order cannot be planned: %1.").arg(OnDemandProblem()));
            m_problem->show();
            return;
        }
        planner = module->PlanOrder;
    }
    SetPlanning(true);
    ShowProgress(0, 0, 0);
    m_planning->Start([planner, items = std::move(items), settings = m_settings](
                          cutting::PlanControl& control) { return planner(items, settings, control); },
                      [this](int group, int groups, int permille) { ShowProgress(group, groups, permille); },
                      [this](PlanningOutcome outcome) { RunHandler([&] { Planned(std::move(outcome)); }); });
}

void OrderDialog::ShowProgress(int group, int groups, int permille) {
    // Until the search has said how far it is, the bar only shows that it works.
    m_progress->setRange(0, groups > 0 ? 1000 : 0);
    m_progress->setValue(permille);
    m_progress->setFormat(groups > 1 ? QStringLiteral("Planning group %1 of %2").arg(group).arg(groups)
                                     : QStringLiteral("Planning"));
}

void OrderDialog::Planned(PlanningOutcome outcome) {
    SetPlanning(false);
    if (!outcome.Problem.isEmpty()) {
        m_problem->setText(QStringLiteral("The order cannot be planned: %1.").arg(outcome.Problem));
        m_problem->show();
        return;
    }
    m_orders = std::move(outcome.Orders);
    if (outcome.Cancelled) {
        m_note->setText(QStringLiteral("Planning was cancelled: the plan shown is the best found so far."));
        m_note->show();
    }
    m_planText->setPlainText(QString::fromStdString(
        cutting::OrderText(m_orders, m_settings, m_model.Units().Mass, m_model.Currency().toStdString())));
    m_diagrams->SetGroups(DiagramGroupsOf(m_orders, m_settings));
    for (QPushButton* button : {m_copyButton, m_exportButton, m_printButton}) {
        button->setEnabled(true);
    }
    QStringList uncovered;
    for (const cutting::GroupOrder& order : m_orders) {
        if (!order.Plan.Uncovered.empty()) {
            uncovered << QString::fromStdString(cutting::GroupText(order.Group, DecimalSeparator()));
        }
    }
    if (!uncovered.isEmpty()) {
        m_problem->setText(
            QStringLiteral("The limits of the stock lengths and the rack leave pieces without a "
                           "bar: %1. Allow more bars, or put more on the rack.")
                .arg(uncovered.join(QStringLiteral("; "))));
        m_problem->show();
    }
    // A plan that leaves pieces uncut is not one to cut.
    m_cutButton->setEnabled(uncovered.isEmpty() && !m_orders.empty());
}

// While the search runs, nothing of a plan can be taken and it cannot start again.
void OrderDialog::SetPlanning(bool planning) {
    m_progressRow->setVisible(planning);
    m_cancelButton->setEnabled(planning);
    m_planButton->setEnabled(!planning);
    m_stockButton->setEnabled(!planning);
    for (QPushButton* button : {m_copyButton, m_exportButton, m_printButton, m_cutButton}) {
        button->setEnabled(false);
    }
}

void OrderDialog::CancelClicked() {
    m_cancelButton->setEnabled(false);
    m_planning->Cancel();
}

void OrderDialog::StockClicked() {
    const std::filesystem::path file = WindowRackFile();
    if (file.empty()) {
        Desktop().ShowMessage(
            QStringLiteral("There is no data folder to keep the rack in: set HOME or XDG_DATA_HOME."),
            MessageKind::Error, OkButton);
        return;
    }
    StockDialog dialog(file, this);
    if (dialog.exec() == QDialog::Accepted) {
        Plan();
    }
}

void OrderDialog::CutClicked() {
    const jobs::RackChange change = jobs::ChangeOf(m_orders);
    const std::int64_t taken = BarsOf(change.Taken);
    const std::int64_t put = BarsOf(change.Put);
    if (taken == 0 && put == 0) {
        Desktop().ShowMessage(
            QStringLiteral("This plan takes no bar from the rack and keeps no remnant: the rack "
                           "stays as it is."),
            MessageKind::Warning, OkButton);
        return;
    }
    const QString bars = Counted(taken, QStringLiteral("bar leaves"), QStringLiteral("bars leave"));
    const QString remnants = Counted(put, QStringLiteral("remnant joins"), QStringLiteral("remnants join"));
    const QString question = QStringLiteral("Cut this plan? %1 the rack and %2 it.").arg(bars, remnants);
    if (Desktop().ShowMessage(question, MessageKind::Confirmation, YesButton | NoButton) != YesButton) {
        return;
    }
    const std::filesystem::path file = WindowRackFile();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    PosixFileWriter writer;
    const jobs::RackUpdate update =
        jobs::UpdateRackFile(file, change, &RackSections(), writer, std::chrono::milliseconds(2000));
    if (!update.Done) {
        Desktop().ShowMessage(
            QStringLiteral("The plan is not cut: %1.").arg(QString::fromStdString(update.Problem)),
            MessageKind::Error, OkButton);
        return;
    }
    // The rack no longer holds what this plan was made from.
    m_cutButton->setEnabled(false);
    m_note->setText(
        QStringLiteral("The rack is updated: %1 it and %2 it. Plan again before cutting more.")
            .arg(Counted(taken, QStringLiteral("bar left"), QStringLiteral("bars left")),
                 Counted(put, QStringLiteral("remnant joined"), QStringLiteral("remnants joined"))));
    m_note->show();
}

void OrderDialog::CopyClicked() {
    QApplication::clipboard()->setText(m_planText->toPlainText());
}

void OrderDialog::ExportClicked() {
    ExportText(this, QStringLiteral("Export order"), QStringLiteral("order.csv"), QStringLiteral("order"),
               [this] { return cutting::OrderCsv(m_orders, m_settings); });
}

void OrderDialog::PrintClicked() {
    PrintThroughDialog(
        this, QStringLiteral("order"), [this](const OnDemandFunctions& module, QPrinter& printer) {
            module.PrintDocument(*OrderDocument(m_jobName, m_planText->toPlainText(), m_diagrams->Groups(),
                                                module.PageTextWidth(printer)),
                                 printer, QStringLiteral("Bars to order"));
        });
}

} // namespace volcalc::ui
