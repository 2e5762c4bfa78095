// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/calculation_reading.h"
#include "calc/shapes.h"
#include "jobs/row_text.h"
#include "sections/section_shapes.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace volcalc::jobs {

// The parts of a calculation, as a script line's words or a list row's fields hold them.
struct CalculationWords {
    std::string_view Group; // "object" or "aperture"
    std::string_view Shape;
    std::string_view Unit;
    std::string_view Quantity;
    std::span<const std::string_view> Parameters; // as given, trailing empty cells dropped
};

// Which part a failure is about, so that a list can name its column.
enum class CalculationPart { Group, Shape, Unit, Quantity, Parameter };

class CalculationWordsError : public LineError {
public:
    CalculationWordsError(CalculationPart part, std::size_t parameter, const std::string& message)
        : LineError(message), Part(part), Parameter(parameter) {}
    CalculationPart Part;
    std::size_t Parameter; // 0-based, for CalculationPart::Parameter
};

// A calculation whose words name a shape, a unit and parameters of the shape table, read by the
// ledger's reading: each text is read once, here.
struct CheckedCalculation {
    const ShapeEntry* Shape = nullptr;
    ReadCalculation Read;
    // False when the quantity was read as a number other than its text says ("4x", "0"): as the
    // window's quantity field reads it when it is left, 1 or clamped to 1..1000.
    bool QuantityAsTyped = true;
};

// "quantity "4x" is read as 1": a warning, or with --strict the failure of the line.
std::string QuantityMessage(const CalculationWords& words, const CheckedCalculation& calculation);

// The one check of scripts and lists: the shape table's shapes, units and parameter counts,
// then the ledger's reading of each parameter. Throws CalculationWordsError. Whether the values
// describe a solid is the ledger's to say.
// An object whose shape is no shape of the table may be a standard section named by its
// designation, when `sections` is given. With `strictQuantity` a quantity not read as typed fails.
CheckedCalculation CheckCalculation(const CalculationWords& words,
                                    sections::SectionShapes* sections = nullptr, bool strictQuantity = false);

} // namespace volcalc::jobs
