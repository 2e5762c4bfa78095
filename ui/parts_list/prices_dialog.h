// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/catalogue_prices.h"
#include "materials/material_list.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace volcalc::ui {

// "Prices": the catalogue's materials with their prices per kilogram to edit, and the currency.
// OK checks every price and hands back what changed, for the catalogue to save as one change; a
// price that is not a number, negative or too large is named in a message and the dialog stays.
class PricesDialog : public QDialog {
public:
    PricesDialog(const MaterialList& materials, const CataloguePrices& prices, QWidget* parent);

    // What OK accepted: the prices that differ from those shown at first, and the currency.
    const std::vector<PriceChange>& Changes() const { return m_changes; }
    const std::string& Currency() const { return m_currency; }

    void accept() override;

private:
    // The price typed in a row: none for an empty cell. Throws PriceError.
    std::optional<double> PriceInRow(int row) const;

    std::vector<std::optional<double>> m_shown;
    QTableWidget* m_table = nullptr;
    QLineEdit* m_currencyField = nullptr;
    std::vector<PriceChange> m_changes;
    std::string m_currency;
};

} // namespace volcalc::ui
