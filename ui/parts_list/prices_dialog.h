// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    PricesDialog(const MaterialList& materials, const std::string& currency, QWidget* parent);

    // What OK accepted: the materials whose price differs from the one shown at first, with their
    // new price, and the currency.
    const std::vector<ListedMaterial>& Changes() const { return m_changes; }
    const std::string& Currency() const { return m_currency; }

    void accept() override;

private:
    // The price typed in a row: none for an empty cell. Throws PriceError.
    std::optional<double> PriceInRow(int row) const;

    // The materials as shown, each found by name and density when the prices are saved.
    std::vector<Material> m_shown;
    QTableWidget* m_table = nullptr;
    QLineEdit* m_currencyField = nullptr;
    std::vector<ListedMaterial> m_changes;
    std::string m_currency;
};

} // namespace volcalc::ui
