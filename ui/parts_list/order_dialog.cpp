// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_dialog.h"

#include "cutting/order_arguments.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"
#include "cutting/plan_cuts.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/on_demand.h"
#include "ui/object_names.h"
#include "ui/parts_list/bar_diagrams_view.h"
#include "ui/parts_list/order_pages.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/report_output.h"
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

const QString StocksKey = QStringLiteral("Order/StockLengths");
const QString KerfKey = QStringLiteral("Order/Kerf");

QSettings OrderSettingsFile() {
    return QSettings(QStringLiteral("orlisk-volcalc"), QStringLiteral("volcalc"));
}

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
    case cutting::LengthFault::NotALength:
    case cutting::LengthFault::None:
        break;
    }
    return QStringLiteral("'%1' is not a stock length in millimetres.").arg(part);
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
    form->addRow(QStringLiteral("&Stock lengths (mm):"), m_stocksField);
    form->addRow(QStringLiteral("&Kerf (mm):"), m_kerfField);
    auto* fields = new QHBoxLayout;
    fields->addLayout(form);
    fields->addWidget(m_planButton, 0, Qt::AlignBottom);
    fields->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_printButton);
    buttons->addStretch();
    auto* plan = new QSplitter(Qt::Vertical, this);
    plan->addWidget(m_planText);
    plan->addWidget(m_diagramsArea);
    plan->setChildrenCollapsible(false);
    // The diagrams are what the saw reads, and need the room.
    plan->setStretchFactor(0, 1);
    plan->setStretchFactor(1, 2);
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
    const QSettings settings = OrderSettingsFile();
    m_stocksField = new QLineEdit(settings.value(StocksKey, QStringLiteral("6000; 12000")).toString(), this);
    m_stocksField->setObjectName(QString::fromLatin1(names::order::StockLengthsField));
    SetAccessibleText(m_stocksField, QStringLiteral("Stock lengths in millimetres"),
                      QStringLiteral("The bar lengths that can be bought, separated by semicolons"));
    m_kerfField = new QLineEdit(settings.value(KerfKey, QStringLiteral("0")).toString(), this);
    m_kerfField->setObjectName(QString::fromLatin1(names::order::KerfField));
    SetAccessibleText(m_kerfField, QStringLiteral("Kerf in millimetres"),
                      QStringLiteral("The width each saw cut takes"));
    for (QLineEdit* field : {m_stocksField, m_kerfField}) {
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
    const QString kerf = m_kerfField->text().trimmed();
    if (!kerf.isEmpty()) {
        const cutting::LengthsReading width =
            cutting::ReadOrderLength(kerf.toStdString(), cutting::DecimalForm::PointOrComma, true);
        if (width.Fault != cutting::LengthFault::None) {
            m_problem->setText(QStringLiteral("'%1' is not a kerf in millimetres.").arg(kerf));
            return std::nullopt;
        }
        settings.Kerf = width.Stocks.front().Length;
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
    QSettings file = OrderSettingsFile();
    file.setValue(StocksKey, m_stocksField->text().trimmed());
    file.setValue(KerfKey, m_kerfField->text().trimmed());
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
    m_diagrams->SetGroups(DiagramGroupsOf(m_orders, m_settings.Kerf));
    for (QPushButton* button : {m_copyButton, m_exportButton, m_printButton}) {
        button->setEnabled(true);
    }
}

// While the search runs, nothing of a plan can be taken and it cannot start again.
void OrderDialog::SetPlanning(bool planning) {
    m_progressRow->setVisible(planning);
    m_cancelButton->setEnabled(planning);
    m_planButton->setEnabled(!planning);
    for (QPushButton* button : {m_copyButton, m_exportButton, m_printButton}) {
        button->setEnabled(false);
    }
}

void OrderDialog::CancelClicked() {
    m_cancelButton->setEnabled(false);
    m_planning->Cancel();
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
            module.PrintDocument(*OrderDocument(m_planText->toPlainText(), m_diagrams->Groups(),
                                                module.PageTextWidth(printer)),
                                 printer, QStringLiteral("Bars to order"));
        });
}

} // namespace volcalc::ui
