// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ledger.h"
#include "calc/number_text.h"
#include "calc/shapes.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

void BM_ParseDecimalText(benchmark::State& state) {
    const std::array<std::string_view, 4> texts = {"1000", "12,5", "3.14159265358979", "2e3"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(volcalc::ParseDecimalText(texts[i++ & 3]));
    }
}
BENCHMARK(BM_ParseDecimalText);

void BM_FormatResult(benchmark::State& state) {
    const std::array<double, 4> values = {7850.0, 0.000123, 123456.7, 1.0625};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(volcalc::FormatResult(values[i++ & 3]));
    }
}
BENCHMARK(BM_FormatResult);

void BM_CalculateObject(benchmark::State& state) {
    volcalc::Ledger ledger;
    ledger.SetDensity(7850);
    const std::array<std::string_view, 5> texts = {"200", "100", "8", "12,5", "6000"};
    const volcalc::ShapeEntry& beam = *volcalc::FindShape(volcalc::CalcGroup::Object, "I-Beam");
    for (auto _ : state) {
        ledger.Calculate(volcalc::CalcGroup::Object, {beam, texts, 3, volcalc::LengthUnit::Millimeter});
    }
    benchmark::DoNotOptimize(ledger.Totals());
}
BENCHMARK(BM_CalculateObject);

} // namespace
