// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation_reading.h"
#include "parts_list_row.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace volcalc {

// Cubic metres and kilograms, in the order the ledger keeps them.
struct LedgerTotals {
    double TotalVolume = 0;
    double ObjectVolume = 0;
    double ApertureVolume = 0;
    double TotalMass = 0;
    double ObjectMass = 0;
    double ApertureMass = 0;
    // The sum of the object rows' costs, none while no row has one; and how many rows have no cost
    // to add.
    std::optional<double> Cost{};
    std::size_t UnpricedRows = 0;

    friend bool operator==(const LedgerTotals&, const LedgerTotals&) = default;
};

// The window's side of the ledger: what it shows of the ledger's state. A refused calculation is
// not shown through it; it comes back to the caller as WrongDataError.
class LedgerView {
public:
    virtual ~LedgerView() = default;
    // Six totals in cubic metres and kilograms, written without any unit conversion.
    virtual void ShowTotals(const LedgerTotals& totals) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    // Volume list to "meter", mass list to "kilogram", without running their change handlers.
    virtual void ResetDisplayUnits() = 0;
    // The density in force, in the density field.
    virtual void ShowDensity(std::int32_t density) = 0;
};

// The totals a calculation would leave, computed before anything is changed: what Ledger::Add
// stores, so that a caller can check them first. Volumes and masses as the row holds them.
LedgerTotals TotalsAfter(LedgerTotals totals, const PartsListRow& row);

// The material selection the ledger reads its density from before the mass step of each
// calculation: the selected material's name and density; an empty name and 0 with none selected.
class DensitySource {
public:
    virtual ~DensitySource() = default;
    virtual std::int32_t SelectedDensity() const = 0;
    virtual std::string SelectedName() const = 0;
    // The selected material's price per kilogram; none when it has no price.
    virtual std::optional<double> SelectedPrice() const { return std::nullopt; }
};

// What a calculation takes its mass from: the material picked, or a density set by hand (no name).
struct DensityInForce {
    std::string Material;
    std::int32_t Density = 0;
    std::optional<double> PricePerKg; // the material's; never one for a density set by hand
};

// Running totals of objects and apertures with one step of undo, and the density in force. A
// calculation is read and computed once into its row; the ledger changes only when every step
// succeeded, and the row is what every list and report shows of it.
class Ledger {
public:
    explicit Ledger(LedgerView& view) : m_view(view) {}
    // A ledger that nothing shows, as the command line keeps it.
    Ledger();

    std::int32_t CurrentDensity() const { return m_density; }
    const LedgerTotals& Totals() const { return m_totals; }
    bool UndoAvailable() const { return m_undoAvailable; }

    // The one way the density in force changes; the view shows every change.
    void SetDensity(std::int32_t density);
    // Where each calculation takes its density from; without a source the density set stays in
    // force. The source must outlive the ledger or be unset first.
    void SetDensitySource(const DensitySource* source) { m_source = source; }
    bool FollowsDensitySource() const { return m_source != nullptr; }
    // The material and density the next calculation takes: the source's selection, or the
    // density set when there is no source.
    DensityInForce InForce() const;
    // The density in force := the source's selected density (kept as it is without a source).
    void RefreshDensity();

    void ClearLedger();
    // The row of a calculation with the material in force, changing nothing. Throws WrongDataError
    // when the values describe no solid, CalculationError for a floating-point error.
    PartsListRow Evaluate(const ReadCalculation& calculation) const;
    // The same into `row`, whose texts and values keep their storage for the next: a script of a
    // million lines makes no allocation a line. Where Evaluate throws, `row` is left unspecified.
    void EvaluateInto(const ReadCalculation& calculation, PartsListRow& row) const;
    // Adds a row that Evaluate made: the undo snapshot, the display units, the density, the totals.
    // Throws CalculationError when the totals overflow, leaving the ledger unchanged.
    void Add(const PartsListRow& row);
    // Reads, evaluates and adds a calculation: the accepted row. Throws WrongDataError (an empty
    // field, values that describe no solid) or another CalculationError (a text that is not a
    // number, a floating-point error), leaving the ledger unchanged.
    PartsListRow Calculate(CalcGroup group, const CalculationInput& input);
    void UndoLast();
    void ResetAll();
    // For a front end whose list is edited in place (PartsList): the ledger shows the list's totals
    // and whether its front end can undo; undo and reset then act on the list, whose totals come
    // back through here. UndoLast would leave the totals as they are.
    void ShowList(const LedgerTotals& totals, bool undoAvailable);

private:
    LedgerView& m_view;
    const DensitySource* m_source = nullptr;
    std::int32_t m_density = 0;
    LedgerTotals m_totals;
    LedgerTotals m_undoSnapshot;
    bool m_undoAvailable = false;
};

} // namespace volcalc
