// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/totals_panel.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "ui/desktop/app_style.h"
#include "ui/main_window/window_controls.h"
#include "ui/text.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/result_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string_view>

namespace volcalc::ui {
namespace {

const QColor MediumGrey(160, 160, 164);

ResultField* MakeResult(QWidget* group, const char* name, const QFont& font) {
    auto* field = Placed(new ResultField(group), name);
    field->setFont(font);
    return field;
}

struct ResultGroup {
    QGroupBox* Group;
    QComboBox* Units;
    QLineEdit* Total;
    QLineEdit* Object;
    QLineEdit* Aperture;
};

// The volume and the mass groups share one layout. quantityName is "volume" or "mass", as the
// fields are read out.
ResultGroup MakeResultGroup(QWidget* panel, const char* quantityName, const names::ResultNames& names,
                            const char* caption, const QStringList& units, int selected) {
    ResultGroup made{};
    made.Group = MakeGroup(panel, names.Group, caption);
    made.Group->setFont(WindowFont(true));
    QWidget* g = made.Group;
    MakeLabel(g, names.TotalLabel, "Total")->setFont(WindowFont(true));
    made.Total = MakeResult(g, names.Total, TotalFont());
    QLabel* unitsLabel = MakeLabel(g, names.UnitsLabel, "Measure units");
    unitsLabel->setFont(WindowFont());
    made.Units = MakeList(g, names.Units, units, selected);
    unitsLabel->setBuddy(made.Units);
    made.Units->setFont(WindowFont());
    MakeLabel(g, names.ObjectLabel, "Object")->setFont(WindowFont());
    made.Object = MakeResult(g, names.Object, WindowFont());
    MakeLabel(g, names.ApertureLabel, "Aperture")->setFont(WindowFont());
    made.Aperture = MakeResult(g, names.Aperture, WindowFont());
    const QString quantity = QString::fromLatin1(quantityName);
    // A volume's list names the length whose cube it is.
    const QString unitPrefix = quantity == QLatin1String("volume") ? QStringLiteral("cubic ") : QString();
    NameWithUnit(made.Total, QStringLiteral("Total ") + quantity, made.Units, unitPrefix);
    NameWithUnit(made.Object, QStringLiteral("Object ") + quantity, made.Units, unitPrefix);
    NameWithUnit(made.Aperture, QStringLiteral("Aperture ") + quantity, made.Units, unitPrefix);
    made.Units->setAccessibleDescription(quantity.left(1).toUpper() + quantity.mid(1) +
                                         QStringLiteral(" unit"));
    return made;
}

} // namespace

TotalsPanel::TotalsPanel(QWidget* window) {
    QWidget* panel = Placed(new QWidget(window), names::TotalsPanel);
    panel->setPalette(WithWindowColour(window->palette(), MediumGrey));
    panel->setAutoFillBackground(true);
    panel->setAccessibleName(QStringLiteral("Totals"));

    const ResultGroup volume =
        MakeResultGroup(panel, "volume", names::Volume, " Volume ", ListTexts(VolumeUnitNames),
                        static_cast<int>(DefaultVolumeUnit));
    MakeLabel(volume.Group, names::CubicLabel, "cubic")->setFont(WindowFont());
    const ResultGroup mass = MakeResultGroup(panel, "mass", names::Mass, " Mass ", ListTexts(MassUnitNames),
                                             static_cast<int>(DefaultMassUnit));
    m_volume = {
        volume.Units, {volume.Object, volume.Aperture, volume.Total}, static_cast<int>(VolumeUnit::Meter)};
    m_mass = {mass.Units, {mass.Object, mass.Aperture, mass.Total}, static_cast<int>(MassUnit::Kilogram)};
}

void TotalsPanel::ShowTotals(const LedgerTotals& totals) {
    const std::array<double, 6> figures = {totals.ObjectVolume, totals.ApertureVolume, totals.TotalVolume,
                                           totals.ObjectMass,   totals.ApertureMass,   totals.TotalMass};
    for (std::size_t i = 0; i < 3; ++i) {
        m_volume.Fields[i]->setText(Text(FormatResult(figures[i])));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        m_mass.Fields[i]->setText(Text(FormatResult(figures[3 + i])));
    }
}

template <typename Convert>
void TotalsPanel::Show(Quantity& quantity, const std::array<double, 3>& values, Convert convert) {
    std::array<QString, 3> texts;
    try {
        for (std::size_t i = 0; i < values.size(); ++i) {
            texts[i] = Text(FormatResult(convert(values[i])));
        }
    } catch (const CalculationError&) {
        // Never a unit on the list over figures in another one.
        const QSignalBlocker block(quantity.Units);
        quantity.Units->setCurrentIndex(quantity.ShownUnit);
        throw;
    }
    for (std::size_t i = 0; i < quantity.Fields.size(); ++i) {
        quantity.Fields[i]->setText(texts[i]);
    }
    quantity.ShownUnit = quantity.Units->currentIndex();
}

void TotalsPanel::ShowVolumes(const LedgerTotals& totals, VolumeUnit unit) {
    Show(m_volume, {totals.ObjectVolume, totals.ApertureVolume, totals.TotalVolume},
         [&](double value) { return VolumeForDisplay(value, unit); });
}

void TotalsPanel::ShowMasses(const LedgerTotals& totals, MassUnit unit) {
    Show(m_mass, {totals.ObjectMass, totals.ApertureMass, totals.TotalMass},
         [&](double value) { return MassForDisplay(value, unit); });
}

void TotalsPanel::ResetUnits() {
    const QSignalBlocker volume(m_volume.Units);
    const QSignalBlocker mass(m_mass.Units);
    m_volume.Units->setCurrentIndex(static_cast<int>(VolumeUnit::Meter));
    m_mass.Units->setCurrentIndex(static_cast<int>(MassUnit::Kilogram));
    m_volume.ShownUnit = m_volume.Units->currentIndex();
    m_mass.ShownUnit = m_mass.Units->currentIndex();
}

ReportUnits TotalsPanel::ShownUnits() const {
    return {static_cast<VolumeUnit>(m_volume.ShownUnit), static_cast<MassUnit>(m_mass.ShownUnit)};
}

} // namespace volcalc::ui
