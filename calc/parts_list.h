#pragma once

// The parts list: every calculation that counts since start-up (or since the last reset), one
// row each, with its figures computed once here so that every front end that lists them (the
// command line's reports, the window's list, its export) shows the same numbers. No Qt.
//
// A front end keeps one PartsList next to its Ledger and mirrors it: after each calculation the
// ledger accepted, Add(MakePartsListRow(...)); after the ledger's undo, Undo(); after its reset,
// Reset(). A refused or failed calculation adds nothing. The totals are the ledger's own; the
// writers in parts_list_writers.h take them from there.

#include "ledger.h"
#include "shapes.h"
#include "units.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

// One calculation as the list shows it. Volumes in cubic metres and masses in kilograms, of one
// piece and of all pieces; an aperture's are negative.
struct PartsListRow {
    std::size_t Line = 0; // where it came from: a script line, a list's line, or a running number
    CalcGroup Group = CalcGroup::Object;
    std::string_view Shape; // display name from the shape catalogue
    std::string_view Unit;  // length unit name
    std::int32_t Quantity = 1;
    std::vector<std::string> Parameters; // as typed
    std::string Material;                // the front end's label of the density in force
    std::int32_t Density = 0;
    double PieceVolume = 0;
    double Volume = 0;
    double PieceMass = 0;
    double Mass = 0;

    friend bool operator==(const PartsListRow&, const PartsListRow&) = default;
};

// What a front end knows of a calculation the ledger has just accepted.
struct AcceptedCalculation {
    std::size_t Line = 0;
    CalcGroup Group = CalcGroup::Object;
    const ShapeEntry& Shape;
    std::string_view Unit; // must be one of LengthUnitNames
    std::int32_t Quantity = 1;
    std::span<const std::string_view> Texts; // parameter texts in parameter order
    std::string Material;
    std::int32_t Density = 0;    // the density the ledger used
    CalculationResult AllPieces; // what the ledger added (Ledger's last result)
};

// The row of an accepted calculation: one piece is computed afresh with the same density, so
// it is exactly what a calculation of quantity 1 would have added. Throws CalculationError only where
// the ledger's own calculation would have.
PartsListRow MakePartsListRow(const AcceptedCalculation& calculation);

// The rows of the calculations that count: undo takes back the last, reset clears them all.
class PartsList {
public:
    void Add(PartsListRow row) { m_rows.push_back(std::move(row)); }
    void Undo() {
        if (!m_rows.empty()) {
            m_rows.pop_back();
        }
    }
    void Reset() { m_rows.clear(); }
    const std::vector<PartsListRow>& Rows() const { return m_rows; }

private:
    std::vector<PartsListRow> m_rows;
};

// The display units a list is written in.
struct ReportUnits {
    VolumeUnit Volume = DefaultVolumeUnit;
    MassUnit Mass = DefaultMassUnit;
};

// A row's four figures in the given display units. Throws OverflowError when one cannot be shown
// in them (a huge volume in cubic millimetres, say).
struct RowFigures {
    double PieceVolume = 0;
    double Volume = 0;
    double PieceMass = 0;
    double Mass = 0;
};
RowFigures FiguresOf(const PartsListRow& row, ReportUnits units);

// The six totals in the given display units, in the ledger's order. Throws OverflowError likewise.
LedgerTotals TotalsIn(const LedgerTotals& totals, ReportUnits units);

} // namespace volcalc
