// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/order_dialog.h"

#include "cutting/order_arguments.h"
#include "cutting/order_rows.h"
#include "cutting/order_text.h"
#include "cutting/plan_cuts.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/on_demand.h"
#include "ui/object_names.h"
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
#include <QPushButton>
#include <QSettings>
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
    return QStringLiteral("'%1' is not a stock length in millimetres.").arg(part);
}

} // namespace

OrderDialog::OrderDialog(const PartsListModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QString::fromLatin1(names::order::Dialog));
    setWindowTitle(QStringLiteral("Bars to order"));
    BuildFields();
    BuildButtons();
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(m_planText);
    layout->addLayout(buttons);
    resize(640, 420);
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
    const auto settings = ReadFields();
    m_problem->setVisible(!settings);
    m_orders.clear();
    m_planText->clear();
    const std::initializer_list<QPushButton*> outputs = {m_copyButton, m_exportButton, m_printButton};
    for (QPushButton* button : outputs) {
        button->setEnabled(false);
    }
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
    const OnDemandFunctions* module = OnDemand();
    if (!module) {
        m_problem->setText(QStringLiteral("The order cannot be planned: %1.").arg(OnDemandProblem()));
        m_problem->show();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_orders = module->PlanOrder(items, m_settings);
    } catch (const cutting::SolverError& error) {
        QApplication::restoreOverrideCursor();
        m_problem->setText(
            QStringLiteral("The order cannot be planned: %1.").arg(QString::fromUtf8(error.what())));
        m_problem->show();
        return;
    }
    QApplication::restoreOverrideCursor();
    m_planText->setPlainText(QString::fromStdString(
        cutting::OrderText(m_orders, m_settings, m_model.Units().Mass, m_model.Currency().toStdString())));
    for (QPushButton* button : outputs) {
        button->setEnabled(true);
    }
}

void OrderDialog::CopyClicked() {
    QApplication::clipboard()->setText(m_planText->toPlainText());
}

void OrderDialog::ExportClicked() {
    ExportText(this, QStringLiteral("Export order"), QStringLiteral("order.csv"), QStringLiteral("order"),
               [this] { return cutting::OrderCsv(m_orders, m_settings); });
}

void OrderDialog::PrintClicked() {
    PrintThroughDialog(this, QStringLiteral("order"),
                       [this](const OnDemandFunctions& module, QPrinter& printer) {
                           module.PrintDocument(*OrderDocument(m_planText->toPlainText()), printer,
                                                QStringLiteral("Bars to order"));
                       });
}

} // namespace volcalc::ui
