// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_evaluation.h"

#include "calculation_reading.h"
#include "errors.h"
#include "ledger.h"
#include "quantity.h"
#include "shapes.h"

#include <array>
#include <optional>
#include <string_view>

namespace volcalc {
namespace {

// The row's own material, as the ledger reads the material picked.
class RowMaterial final : public DensitySource {
public:
    explicit RowMaterial(const PartsListRow& row) : m_row(row) {}
    std::int32_t SelectedDensity() const override { return m_row.Density; }
    std::string SelectedName() const override { return m_row.Material; }
    std::optional<double> SelectedPrice() const override { return m_row.PricePerKg; }

private:
    const PartsListRow& m_row;
};

} // namespace

PartsListRow EvaluateAgain(const PartsListRow& typed) {
    if (typed.Shape == nullptr || typed.Shape->Rule == nullptr ||
        typed.Parameters.size() > MaxShapeParameters ||
        QuantityFieldRules.Clamp(typed.Quantity) != typed.Quantity) {
        throw WrongDataError();
    }
    std::array<std::string_view, MaxShapeParameters> texts{};
    std::copy(typed.Parameters.begin(), typed.Parameters.end(), texts.begin());
    const CalculationInput input{
        *typed.Shape, {texts.data(), typed.Parameters.size()}, typed.Quantity, typed.Unit};
    const std::optional<ReadCalculation> read = ReadCalculationTexts(typed.Group, input);
    if (!read) {
        throw WrongDataError();
    }
    const RowMaterial material(typed);
    Ledger ledger;
    ledger.SetDensitySource(&material);
    PartsListRow row = ledger.Evaluate(*read);
    row.Line = typed.Line;
    row.Mark = typed.Mark;
    row.Note = typed.Note;
    return row;
}

} // namespace volcalc
