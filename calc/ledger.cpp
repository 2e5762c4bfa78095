// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger.h"

#include "errors.h"
#include "number_text.h"
#include "price.h"
#include "shapes.h"
#include "units.h"

#include <algorithm>
#include <array>

namespace volcalc {

LedgerTotals TotalsAfter(LedgerTotals totals, const PartsListRow& row) {
    // Rows hold an aperture's figures negative; the totals hold them as they were added.
    const double volume = row.Group == CalcGroup::Object ? row.Volume : -row.Volume;
    const double mass = row.Group == CalcGroup::Object ? row.Mass : -row.Mass;
    if (row.Group == CalcGroup::Object) {
        totals.ObjectVolume = StoreDouble(static_cast<long double>(totals.ObjectVolume) + volume);
        totals.ObjectMass = StoreDouble(static_cast<long double>(totals.ObjectMass) + mass);
    } else {
        totals.ApertureVolume = StoreDouble(static_cast<long double>(totals.ApertureVolume) + volume);
        totals.ApertureMass = StoreDouble(static_cast<long double>(totals.ApertureMass) + mass);
    }
    totals.TotalVolume = StoreDouble(static_cast<long double>(totals.ObjectVolume) - totals.ApertureVolume);
    totals.TotalMass = StoreDouble(static_cast<long double>(totals.ObjectMass) - totals.ApertureMass);
    if (row.Cost) {
        totals.Cost = StoreDouble(static_cast<long double>(totals.Cost.value_or(0)) + *row.Cost);
    } else {
        ++totals.UnpricedRows;
    }
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

} // namespace

namespace {

class UnshownView final : public LedgerView {
public:
    void ShowTotals(const LedgerTotals&) override {}
    void SetUndoEnabled(bool) override {}
    void ResetDisplayUnits() override {}
    void ShowDensity(std::int32_t) override {}
};

// Has no state, so every ledger without a view shares it.
LedgerView& Unshown() {
    static UnshownView view;
    return view;
}

} // namespace

Ledger::Ledger() : m_view(Unshown()) {}

std::optional<long double> ParallelepipedVolume(std::span<const double> values) {
    return static_cast<long double>(values[0]) * values[1] * values[2];
}

void Ledger::SetDensity(std::int32_t density) {
    m_density = density;
    m_view.ShowDensity(density);
}

void Ledger::RefreshDensity() {
    SetDensity(InForce().Density);
}

void Ledger::ClearLedger() {
    SetDensity(0);
    m_totals = {};
    m_undoSnapshot = {};
    m_undoAvailable = false;
}

namespace {

// Cubic metres and kilograms of `pieces` pieces of a volume per piece in cubes of the length unit.
struct Figures {
    double Volume = 0;
    double Mass = 0;
};
Figures FiguresOf(long double perPiece, std::int32_t pieces, LengthUnit unit, std::int32_t density) {
    const double raw = StoreDouble(perPiece * pieces / 1000000000.0L);
    const double volume = ScaleVolumeToCubicMetres(raw, unit);
    return {volume, StoreDouble(static_cast<long double>(density) * volume)};
}

} // namespace

DensityInForce Ledger::InForce() const {
    if (m_source == nullptr) {
        return {std::string(), m_density, std::nullopt};
    }
    return {m_source->SelectedName(), m_source->SelectedDensity(), m_source->SelectedPrice()};
}

PartsListRow Ledger::Evaluate(const ReadCalculation& read) const {
    PartsListRow row;
    EvaluateInto(read, row);
    return row;
}

void Ledger::EvaluateInto(const ReadCalculation& read, PartsListRow& row) const {
    const CalculationInput& input = read.Input;
    const ShapeRule& rule = *input.Shape.Rule;
    const std::optional<long double> perPiece =
        rule.VolumePerPiece ? rule.VolumePerPiece(read.Parameters())
                            : BarVolume(rule.CrossSection, read.Values[0], input.Unit);
    if (!perPiece) {
        throw WrongDataError();
    }
    DensityInForce inForce = InForce();
    // A piece is exactly what a calculation of quantity 1 would have added.
    const Figures piece = FiguresOf(*perPiece, 1, input.Unit, inForce.Density);
    const Figures all = FiguresOf(*perPiece, input.Quantity, input.Unit, inForce.Density);
    const double sign = read.Group == CalcGroup::Object ? 1.0 : -1.0;
    row.Line = 0;
    row.Group = read.Group;
    row.Shape = &input.Shape;
    row.Unit = input.Unit;
    row.Quantity = input.Quantity;
    row.Parameters.resize(input.Texts.size());
    std::copy(input.Texts.begin(), input.Texts.end(), row.Parameters.begin());
    row.Values.assign(read.Parameters().begin(), read.Parameters().end());
    row.Material = std::move(inForce.Material);
    row.Density = inForce.Density;
    row.PieceVolume = sign * piece.Volume;
    row.Volume = sign * all.Volume;
    row.PieceMass = sign * piece.Mass;
    row.Mass = sign * all.Mass;
    row.PricePerKg = inForce.PricePerKg;
    row.Cost = RowCost(read.Group, all.Mass, inForce.PricePerKg);
    row.Mark.clear();
    row.Note.clear();
}

void Ledger::Add(const PartsListRow& row) {
    const LedgerTotals next = TotalsAfter(m_totals, row);
    m_undoSnapshot = m_totals;
    m_undoAvailable = true;
    m_view.SetUndoEnabled(true);
    m_view.ResetDisplayUnits();
    SetDensity(row.Density);
    m_totals = next;
    m_view.ShowTotals(m_totals);
}

PartsListRow Ledger::Calculate(CalcGroup group, const CalculationInput& input) {
    const std::optional<ReadCalculation> read = ReadCalculationTexts(group, input);
    if (!read) {
        throw WrongDataError();
    }
    PartsListRow row = Evaluate(*read);
    Add(row);
    return row;
}

void Ledger::ShowList(const LedgerTotals& totals, bool undoAvailable) {
    m_totals = totals;
    m_undoSnapshot = totals;
    m_undoAvailable = undoAvailable;
    m_view.SetUndoEnabled(undoAvailable);
    m_view.ShowTotals(m_totals);
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
