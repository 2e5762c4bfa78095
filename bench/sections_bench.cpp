// SPDX-License-Identifier: GPL-3.0-or-later
// What the first use of a section costs (reading every shipped table), a designation's lookup, and
// the suggestions for one that names no section.
#include "sections/section_library.h"

#include <benchmark/benchmark.h>

#include <string>

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

// The suggestions for an unknown designation, typed short or pasted 100,000 characters long.
void SuggestForUnknownDesignation(benchmark::State& state) {
    const auto catalogue = volcalc::sections::LoadSectionCatalogue(Shipped);
    const std::string typed = "IPE 2" + std::string(std::size_t(state.range(0)), 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue.UnknownMessage(typed, "shown"));
    }
}
BENCHMARK(SuggestForUnknownDesignation)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
