// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_reading.h"

#include "number_text.h"
#include "shapes.h"

namespace volcalc {

std::size_t FirstEmptyText(std::span<const std::string_view> texts) {
    std::size_t i = 0;
    while (i < texts.size() && !texts[i].empty()) {
        ++i;
    }
    return i;
}

std::optional<ReadCalculation> ReadCalculationTexts(CalcGroup group, const CalculationInput& input) {
    const std::span<const std::string_view> texts = input.Texts;
    if (texts.size() != input.Shape.Parameters.size() || texts.size() > MaxShapeParameters ||
        FirstEmptyText(texts) != texts.size()) {
        return std::nullopt;
    }
    ReadCalculation read{group, input, {}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        try {
            read.Values[i] = ParseDecimalText(texts[i]);
        } catch (const NotANumberError& e) {
            throw ParameterTextError(e, i, e.Text);
        } catch (const CalculationError& e) {
            throw ParameterTextError(e, i, {});
        }
    }
    return read;
}

} // namespace volcalc
