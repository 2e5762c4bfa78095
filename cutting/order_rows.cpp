// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_rows.h"

#include "calc/parts_list.h"
#include "calc/shapes.h"
#include "calc/units.h"

namespace volcalc::cutting {

std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row) {
    const auto unit = LengthUnitFromName(row.Unit);
    if (!unit) {
        return std::nullopt;
    }
    // The values the ledger read, not the texts again.
    std::vector<double> millimetres;
    for (const double value : row.Values) {
        millimetres.push_back(static_cast<double>(value * MillimetresPer(*unit)));
    }
    // A shape that is none of the catalogue's is a standard section named by its designation.
    const bool section = FindShape(CalcGroup::Object, row.Shape) == nullptr;
    return OrderItemOf({row.Shape, row.Group == CalcGroup::Aperture, section, millimetres, row.Quantity,
                        MaterialLabel(row), row.PieceMass, row.PricePerKg, row.Material.empty(),
                        static_cast<double>(row.Density)});
}

} // namespace volcalc::cutting
