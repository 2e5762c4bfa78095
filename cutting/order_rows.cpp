// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_rows.h"

#include "calc/parts_list.h"
#include "calc/shapes.h"
#include "calc/units.h"

namespace volcalc::cutting {

std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row) {
    // The values the ledger read, not the texts again.
    std::vector<double> millimetres;
    for (const double value : row.Values) {
        millimetres.push_back(static_cast<double>(value * MillimetresPer(row.Unit)));
    }
    auto item = OrderItemOf({*row.Shape, row.Group == CalcGroup::Aperture, millimetres, row.Quantity,
                             MaterialLabel(row), row.PieceMass, row.PricePerKg, row.Material.empty(),
                             static_cast<double>(row.Density), row.PieceSurface});
    if (item) {
        item->Mark = row.Mark;
    }
    return item;
}

} // namespace volcalc::cutting
