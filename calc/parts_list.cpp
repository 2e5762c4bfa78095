#include "parts_list.h"

#include <algorithm>

namespace volcalc {

PartsListRow MakePartsListRow(const AcceptedCalculation& c) {
    const CalculationResult piece =
        ComputeCalculation({*c.Shape.Rule, c.Texts, 1, c.Unit}, c.Density).value();
    const double sign = c.Group == CalcGroup::Object ? 1.0 : -1.0;
    // The unit is kept as the catalogue's own text, which outlives every row.
    const auto unit = std::find(LengthUnitNames.begin(), LengthUnitNames.end(), c.Unit);
    return {c.Line,
            c.Group,
            c.Shape.DisplayName,
            unit == LengthUnitNames.end() ? std::string_view() : *unit,
            c.Quantity,
            {c.Texts.begin(), c.Texts.end()},
            c.Material,
            c.Density,
            sign * piece.Volume,
            sign * c.AllPieces.Volume,
            sign * piece.Mass,
            sign * c.AllPieces.Mass};
}

RowFigures FiguresOf(const PartsListRow& row, ReportUnits units) {
    return {VolumeForDisplay(row.PieceVolume, units.Volume), VolumeForDisplay(row.Volume, units.Volume),
            MassForDisplay(row.PieceMass, units.Mass), MassForDisplay(row.Mass, units.Mass)};
}

LedgerTotals TotalsIn(const LedgerTotals& t, ReportUnits units) {
    return {VolumeForDisplay(t.TotalVolume, units.Volume),    VolumeForDisplay(t.ObjectVolume, units.Volume),
            VolumeForDisplay(t.ApertureVolume, units.Volume), MassForDisplay(t.TotalMass, units.Mass),
            MassForDisplay(t.ObjectMass, units.Mass),         MassForDisplay(t.ApertureMass, units.Mass)};
}

} // namespace volcalc
