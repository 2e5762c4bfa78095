// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calculation as the user typed it, and its texts read once into the values the ledger computes
// with. Every front end reads through here, so the same text gives the same message everywhere.

#include "errors.h"
#include "shape_rule.h"
#include "units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace volcalc {

struct ShapeEntry;

// The shape must have a rule; a row made of the calculation keeps the shape's entry.
struct CalculationInput {
    const ShapeEntry& Shape;
    std::span<const std::string_view> Texts; // parameter texts in parameter order
    std::int32_t Quantity = 1;
    LengthUnit Unit = DefaultLengthUnit;
};

// A parameter text that cannot be read (not a number, or beyond a double): the message the user
// reads, and which parameter it was.
class ParameterTextError : public CalculationError {
public:
    ParameterTextError(const CalculationError& error, std::size_t index, std::string quoted)
        : CalculationError(error), Index(index), QuotedText(std::move(quoted)) {}
    std::size_t Index;      // 0-based, in parameter order
    std::string QuotedText; // the text a "not a number" message quotes; empty for other errors
};

// The input with its texts read.
struct ReadCalculation {
    CalcGroup Group = CalcGroup::Object;
    CalculationInput Input;
    std::array<double, MaxShapeParameters> Values{};

    std::span<const double> Parameters() const { return {Values.data(), Input.Texts.size()}; }
};

// The first empty text, or the size when none is empty.
std::size_t FirstEmptyText(std::span<const std::string_view> texts);

// Reads the input's texts. Empty when a text is empty or their number is not the shape's (the
// ledger's warning case); throws ParameterTextError for a text that cannot be read or gives a
// floating-point error.
std::optional<ReadCalculation> ReadCalculationTexts(CalcGroup group, const CalculationInput& input);

} // namespace volcalc
