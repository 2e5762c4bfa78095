// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/parts_list.h"
#include "calc/units.h"

#include <array>

class QComboBox;
class QLineEdit;
class QWidget;

namespace volcalc::ui {

// The bottom panel of the main window: the object, aperture and resulting volume and mass, each
// quantity with the list of the unit it is shown in.
class TotalsPanel {
public:
    explicit TotalsPanel(QWidget* window);

    QComboBox* VolumeUnitList() const { return m_volume.Units; }
    QComboBox* MassUnitList() const { return m_mass.Units; }

    // The totals as the ledger keeps them, in cubic metres and kilograms.
    void ShowTotals(const LedgerTotals& totals);
    // The volumes or the masses converted to the unit. A conversion that overflows writes nothing,
    // puts the list back to the unit the figures are in and throws CalculationError.
    void ShowVolumes(const LedgerTotals& totals, VolumeUnit unit);
    void ShowMasses(const LedgerTotals& totals, MassUnit unit);
    // Both lists back to cubic metres and kilograms, without running their handlers.
    void ResetUnits();
    // The units the figures are shown in.
    ReportUnits ShownUnits() const;

private:
    struct Quantity {
        QComboBox* Units = nullptr;
        std::array<QLineEdit*, 3> Fields{}; // object, aperture, total
        int ShownUnit = 0;                  // list index of the unit the figures are in
    };
    template <typename Convert>
    static void Show(Quantity& quantity, const std::array<double, 3>& values, Convert convert);

    Quantity m_volume;
    Quantity m_mass;
};

} // namespace volcalc::ui
