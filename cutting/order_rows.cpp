// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_rows.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/shapes.h"
#include "calc/units.h"

namespace volcalc::cutting {

std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row) {
    const auto unit = LengthUnitFromName(row.Unit);
    if (!unit) {
        return std::nullopt;
    }
    std::vector<double> millimetres;
    try {
        for (const std::string& text : row.Parameters) {
            millimetres.push_back(static_cast<double>(ParseDecimalText(text) * MillimetresPer(*unit)));
        }
    } catch (const CalculationError&) {
        return std::nullopt;
    }
    // A shape that is none of the catalogue's is a standard section named by its designation.
    const bool section = FindShape(CalcGroup::Object, row.Shape) == nullptr;
    return OrderItemOf({row.Shape, row.Group == CalcGroup::Aperture, section, millimetres, row.Quantity,
                        row.Material, row.PieceMass, std::nullopt});
}

} // namespace volcalc::cutting
