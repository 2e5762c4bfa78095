// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts_list.h"

namespace volcalc {

std::string_view ShapeName(const PartsListRow& row) {
    return row.Shape->DisplayName;
}

std::string MaterialLabel(const PartsListRow& row) {
    return row.Material.empty() ? "density " + std::to_string(row.Density) : row.Material;
}

void PartsList::Insert(std::size_t at, PartsListRow row) {
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
}

PartsListRow PartsList::Remove(std::size_t at) {
    PartsListRow row = std::move(m_rows.at(at));
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at));
    return row;
}

PartsListRow PartsList::Replace(std::size_t at, PartsListRow row) {
    std::swap(m_rows.at(at), row);
    return row;
}

std::vector<PartsListRow> PartsList::ReplaceAll(std::vector<PartsListRow> rows) {
    std::swap(m_rows, rows);
    return rows;
}

LedgerTotals PartsList::Totals() const {
    LedgerTotals totals;
    for (const PartsListRow& row : m_rows) {
        totals = TotalsAfter(totals, row);
    }
    return totals;
}

RowFigures FiguresOf(const PartsListRow& row, ReportUnits units) {
    return {VolumeForDisplay(row.PieceVolume, units.Volume), VolumeForDisplay(row.Volume, units.Volume),
            MassForDisplay(row.PieceMass, units.Mass), MassForDisplay(row.Mass, units.Mass)};
}

LedgerTotals TotalsIn(const LedgerTotals& t, ReportUnits units) {
    return {VolumeForDisplay(t.TotalVolume, units.Volume),
            VolumeForDisplay(t.ObjectVolume, units.Volume),
            VolumeForDisplay(t.ApertureVolume, units.Volume),
            MassForDisplay(t.TotalMass, units.Mass),
            MassForDisplay(t.ObjectMass, units.Mass),
            MassForDisplay(t.ApertureMass, units.Mass),
            t.Cost,
            t.UnpricedRows};
}

} // namespace volcalc
