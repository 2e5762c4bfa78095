// SPDX-License-Identifier: GPL-3.0-or-later
// What the first use of a section costs (reading every shipped table), and a designation's lookup.
#include "calc/sections/section_library.h"

#include <benchmark/benchmark.h>

namespace {

const volcalc::sections::SectionFolders Shipped{
    std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", {}};

void LoadShippedSectionTables(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(volcalc::sections::LoadSectionCatalogue(Shipped));
    }
}
BENCHMARK(LoadShippedSectionTables)->Unit(benchmark::kMillisecond);

void FindSectionByDesignation(benchmark::State& state) {
    const auto catalogue = volcalc::sections::LoadSectionCatalogue(Shipped);
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue.Find("HE 200 B"));
    }
}
BENCHMARK(FindSectionByDesignation);

} // namespace
