// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/prices_dialog.h"

#include "calc/price.h"
#include "ui/desktop/desktop_services.h"
#include "ui/object_names.h"
#include "ui/widgets/accessibility.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace volcalc::ui {
namespace {

enum Column { NameColumn, DensityColumn, PriceColumn, ColumnCount };

QTableWidgetItem* ReadOnly(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

PricesDialog::PricesDialog(const MaterialList& materials, const std::string& currency, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(names::prices::Dialog));
    setWindowTitle(QStringLiteral("Prices"));
    m_table = new QTableWidget(int(materials.size()), ColumnCount, this);
    m_table->setObjectName(QString::fromLatin1(names::prices::Table));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Material"), QStringLiteral("Density, kg/m\u00b3"), QStringLiteral("Price per kg")});
    // Read with their units in words, as the parts list's headers are.
    m_table->horizontalHeaderItem(DensityColumn)
        ->setData(Qt::AccessibleTextRole, QStringLiteral("Density, kilograms per cubic metre"));
    m_table->horizontalHeaderItem(PriceColumn)
        ->setData(Qt::AccessibleTextRole, QStringLiteral("Price per kilogram"));
    m_table->verticalHeader()->hide();
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the currency and the buttons
    SetAccessibleText(m_table, QStringLiteral("Prices per kilogram"),
                      QStringLiteral("Type a price in the third column; an empty cell is no price"));
    m_shown.reserve(materials.size());
    for (std::size_t i = 0; i < materials.size(); ++i) {
        const int row = int(i);
        const MaterialView material = materials[i];
        m_shown.push_back(material.Owned());
        m_table->setItem(row, NameColumn,
                         ReadOnly(QString::fromUtf8(material.Name.data(), qsizetype(material.Name.size()))));
        m_table->setItem(row, DensityColumn, ReadOnly(QString::number(material.Density)));
        m_table->setItem(row, PriceColumn,
                         new QTableWidgetItem(material.Price
                                                  ? QString::fromStdString(FormatPrice(*material.Price))
                                                  : QString()));
    }
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->resizeColumnToContents(DensityColumn);
    m_table->resizeColumnToContents(PriceColumn);
    if (!materials.empty()) {
        m_table->setCurrentCell(0, PriceColumn);
    }

    m_currencyField = new QLineEdit(QString::fromStdString(currency), this);
    m_currencyField->setObjectName(QString::fromLatin1(names::prices::CurrencyField));
    m_currencyField->setMaxLength(int(LongestCurrency));
    SetAccessibleText(m_currencyField, QStringLiteral("Currency"),
                      QStringLiteral("The currency code shown beside every price, such as EUR"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Currency:"), m_currencyField);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QString::fromLatin1(names::prices::Buttons));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::fromLatin1(names::prices::OkButton));
    buttons->button(QDialogButtonBox::Cancel)
        ->setObjectName(QString::fromLatin1(names::prices::CancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(480, 400);
}

std::optional<double> PricesDialog::PriceInRow(int row) const {
    const QTableWidgetItem* item = m_table->item(row, PriceColumn);
    const QString text = item ? item->text().trimmed() : QString();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return PriceFromText(text.toStdString());
}

void PricesDialog::accept() {
    std::vector<ListedMaterial> changes;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        try {
            const std::optional<double> price = PriceInRow(row);
            const Material& shown = m_shown[std::size_t(row)];
            if (price != shown.Price) {
                changes.push_back({std::size_t(row), {shown.Name, shown.Density, price}});
            }
        } catch (const PriceError& error) {
            m_table->setCurrentCell(row, PriceColumn);
            Desktop().ShowMessage(QString::fromStdString(ErrorBoxText(error.what())), MessageKind::Error,
                                  OkButton);
            return;
        }
    }
    try {
        m_currency = CurrencyFromText(m_currencyField->text().toStdString());
    } catch (const PriceError& error) {
        m_currencyField->setFocus();
        Desktop().ShowMessage(QString::fromStdString(ErrorBoxText(error.what())), MessageKind::Error,
                              OkButton);
        return;
    }
    m_changes = std::move(changes);
    QDialog::accept();
}

} // namespace volcalc::ui
