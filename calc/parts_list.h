// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts list: every calculation that counts since start-up (or since the last reset), one
// row each, with the figures the ledger computed once, so that every front end that lists them (the
// command line's reports, the window's list, its export) shows the same numbers. No Qt.
//
// A front end keeps one PartsList next to its Ledger and mirrors it: after each calculation the
// ledger accepted, Add(the row it returned); after the ledger's undo, Undo(); after its reset,
// Reset(). A refused or failed calculation adds nothing. The command line's totals are the
// ledger's own.
//
// A list can also be edited in place, row by row (a job's rows: insert, remove, replace); its
// totals are then those of its rows as they stand (Totals), which the front end shows through
// Ledger::ShowList. Each edit returns what it took away, so that an undo command can put it back.

#include "ledger.h"
#include "parts_list_row.h"
#include "shapes.h"
#include "units.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

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
    std::size_t Size() const { return m_rows.size(); }

    // `at` no greater than Size(); the row then stands at `at`.
    void Insert(std::size_t at, PartsListRow row);
    // `at` less than Size(): the row taken out.
    PartsListRow Remove(std::size_t at);
    // `at` less than Size(): the row that stood there.
    PartsListRow Replace(std::size_t at, PartsListRow row);
    // Every row at once (a job opened, every row re-priced): the rows that stood before.
    std::vector<PartsListRow> ReplaceAll(std::vector<PartsListRow> rows);

    // The totals of the rows as they stand, added in list order as the ledger adds them, so that the
    // same rows give the same totals to the last bit.
    LedgerTotals Totals() const;

private:
    std::vector<PartsListRow> m_rows;
};

// The display units a list is written in.
struct ReportUnits {
    VolumeUnit Volume = DefaultVolumeUnit;
    MassUnit Mass = DefaultMassUnit;

    friend bool operator==(const ReportUnits&, const ReportUnits&) = default;
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
