#include "ledger.h"

#include "errors.h"
#include "number_text.h"
#include "units.h"

#include <array>

namespace volcalc {

LedgerTotals TotalsAfter(LedgerTotals totals, CalcGroup group, const CalculationResult& result) {
    const double volume = result.Volume;
    const double mass = result.Mass;
    if (group == CalcGroup::Object) {
        totals.ObjectVolume = StoreDouble(static_cast<long double>(totals.ObjectVolume) + volume);
        totals.ObjectMass = StoreDouble(static_cast<long double>(totals.ObjectMass) + mass);
    } else {
        totals.ApertureVolume = StoreDouble(static_cast<long double>(totals.ApertureVolume) + volume);
        totals.ApertureMass = StoreDouble(static_cast<long double>(totals.ApertureMass) + mass);
    }
    totals.TotalVolume = StoreDouble(static_cast<long double>(totals.ObjectVolume) - totals.ApertureVolume);
    totals.TotalMass = StoreDouble(static_cast<long double>(totals.ObjectMass) - totals.ApertureMass);
    return totals;
}

namespace {

// A bar's volume in cubes of the length unit, as the other rules give theirs: its cross-section,
// in mm², taken into squares of the unit.
std::optional<long double> BarVolume(double crossSection, double length, LengthUnit unit) {
    if (length < 0) { // as the other rules, a length of 0 is a piece of no volume
        return std::nullopt;
    }
    const long double millimetres = MillimetresPer(unit);
    return StoreDouble(crossSection / (millimetres * millimetres) * length);
}

bool AnyEmpty(std::span<const std::string_view> texts) {
    for (std::string_view text : texts) {
        if (text.empty()) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<long double> ParallelepipedVolume(std::span<const double> values) {
    return static_cast<long double>(values[0]) * values[1] * values[2];
}

void Ledger::SetDensity(std::int32_t density) {
    m_density = density;
    m_view.ShowDensity(density);
}

void Ledger::RefreshDensity() {
    SetDensity(DensityToUse());
}

void Ledger::ClearLedger() {
    SetDensity(0);
    m_totals = {};
    m_undoSnapshot = {};
    m_undoAvailable = false;
}

std::optional<CalculationResult> ComputeCalculation(const CalculationInput& input, std::int32_t density) {
    const std::optional<LengthUnit> unit = LengthUnitFromName(input.LengthUnitName);
    if (!unit) {
        throw CalculationError("Unknown length unit \"" + std::string(input.LengthUnitName) + "\"");
    }
    if (input.Texts.size() != input.Rule.ParameterCount || AnyEmpty(input.Texts)) {
        return std::nullopt;
    }
    std::array<double, MaxShapeParameters> values{};
    if (input.Texts.size() > values.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < input.Texts.size(); ++i) {
        values[i] = ParseDecimalText(input.Texts[i]);
    }
    const std::optional<long double> perPiece =
        input.Rule.VolumePerPiece
            ? input.Rule.VolumePerPiece(std::span<const double>(values.data(), input.Texts.size()))
            : BarVolume(input.Rule.CrossSection, values[0], *unit);
    if (!perPiece) {
        return std::nullopt;
    }
    const double raw = StoreDouble(*perPiece * input.Quantity / 1000000000.0L);
    const double volume = ScaleVolumeToCubicMetres(raw, *unit);
    return CalculationResult{volume, StoreDouble(static_cast<long double>(density) * volume)};
}

bool Ledger::Calculate(CalcGroup group, const CalculationInput& input) {
    const std::int32_t density = DensityToUse();
    const std::optional<CalculationResult> result = ComputeCalculation(input, density);
    if (!result) {
        m_view.ShowWarning(std::string(WrongDataWarning));
        return false;
    }
    const LedgerTotals next = TotalsAfter(m_totals, group, *result);

    m_undoSnapshot = m_totals;
    m_undoAvailable = true;
    m_view.SetUndoEnabled(true);
    m_view.ResetDisplayUnits();
    SetDensity(density);
    m_totals = next;
    m_lastResult = *result;
    m_view.ShowTotals(m_totals);
    return true;
}

void Ledger::UndoLast() {
    m_totals = m_undoSnapshot;
    m_undoAvailable = false;
    m_view.SetUndoEnabled(false);
    m_view.ResetDisplayUnits();
    m_view.ShowTotals(m_totals);
}

void Ledger::ResetAll() {
    m_totals = {};
    m_undoAvailable = false;
    m_view.SetUndoEnabled(false);
    m_view.ShowTotals(m_totals);
}

} // namespace volcalc
