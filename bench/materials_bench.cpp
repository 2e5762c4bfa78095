// SPDX-License-Identifier: GPL-3.0-or-later
// Load, add and remove on catalogues of 1,000 to 1,000,000 materials, over real files, side by
// side with what the disk itself takes: copying the file and forcing the copy to the disk (as
// `cp` then `sync FILE` do), and reading it (as `cat FILE > /dev/null` does). The catalogue holds
// at most 1,000,000 materials, so the addition is measured on 999,999.
#include "materials/material_catalogue.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include <stdlib.h>

namespace {

using volcalc::MaterialCatalogue;

// Says yes to everything and hands over the same material each time.
class YesDialogs : public volcalc::CatalogueDialogs {
public:
    std::optional<volcalc::Material> AskNewMaterial() override { return volcalc::Material{"Oak", 700}; }
    bool Confirm(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { throw std::runtime_error(text); }
    void SetBusyCursor(bool) override {}
};

// A temporary folder holding a catalogue of the given size, with a catalogue loaded from it.
class Fixture {
public:
    // A file with a comment among its entries is laid out otherwise than the program writes one,
    // so it is read the general way; a priced one has a price for every material and a currency.
    enum Kind { Plain, Commented, Priced };
    explicit Fixture(std::int64_t count, std::int64_t kind = Plain) {
        m_content = "[Count]\nCount=" + std::to_string(count) + "\n[Material]\n";
        m_content += kind == Commented ? "; materials\n" : "";
        for (std::int64_t i = 0; i < count; ++i) {
            m_content += std::to_string(i) + "=Material number " + std::to_string(i) + "\n";
        }
        m_content += "[Density]\n";
        for (std::int64_t i = 0; i < count; ++i) {
            m_content += std::to_string(i) + "=" + std::to_string(1000 + i % 9000) + "\n";
        }
        if (kind == Priced) {
            m_content += "[Price]\n";
            for (std::int64_t i = 0; i < count; ++i) {
                m_content += std::to_string(i) + "=" + std::to_string(1 + i % 400) + "." +
                             std::to_string(10 + i % 90) + "\n";
            }
            m_content += "[Currency]\nCurrency=EUR\n";
        }
        Restore();
    }
    ~Fixture() { std::filesystem::remove_all(m_folder); }

    // The file and the working copy as they were at the start.
    void Restore() {
        std::ofstream(Path(), std::ios::binary) << m_content;
        Catalogue.LoadMaterials();
    }

    std::filesystem::path Path() const { return m_folder / "volcalc.ini"; }

private:
    static std::filesystem::path MakeFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "volcalc-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        return pattern;
    }

    std::filesystem::path m_folder = MakeFolder(); // first, as the catalogue's path is made from it
    std::string m_content;

public:
    YesDialogs Dialogs;
    MaterialCatalogue Catalogue{Path(), Dialogs};
};

void BM_LoadMaterials(benchmark::State& state) {
    Fixture fixture(state.range(0), state.range(1));
    for (auto _ : state) {
        fixture.Catalogue.LoadMaterials();
        benchmark::DoNotOptimize(fixture.Catalogue.Materials().back());
    }
}

void BM_AddMaterial(benchmark::State& state) {
    Fixture fixture(state.range(0), state.range(1));
    for (auto _ : state) {
        fixture.Catalogue.AddMaterial();
        state.PauseTiming();
        fixture.Restore();
        state.ResumeTiming();
    }
}

void BM_RemoveFirstMaterial(benchmark::State& state) {
    Fixture fixture(state.range(0), state.range(1));
    for (auto _ : state) {
        fixture.Catalogue.RemoveMaterial();
        state.PauseTiming();
        fixture.Restore();
        state.ResumeTiming();
    }
}

// Reads the whole file through a buffer, as cat does; the number of bytes read.
std::size_t ReadThrough(int from, int to) {
    static char buffer[128 * 1024];
    std::size_t total = 0;
    for (ssize_t count; (count = ::read(from, buffer, sizeof buffer)) > 0;) {
        total += static_cast<std::size_t>(count);
        if (to >= 0 && ::write(to, buffer, static_cast<std::size_t>(count)) != count) {
            throw std::runtime_error("cannot write the copy");
        }
    }
    return total;
}

void BM_CopyAndSync(benchmark::State& state) {
    Fixture fixture(state.range(0));
    const std::string copy = fixture.Path().string() + ".copy";
    for (auto _ : state) {
        const int from = ::open(fixture.Path().c_str(), O_RDONLY);
        const int to = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ReadThrough(from, to);
        ::fsync(to);
        ::close(to);
        ::close(from);
    }
}

void BM_ReadFile(benchmark::State& state) {
    Fixture fixture(state.range(0));
    for (auto _ : state) {
        const int from = ::open(fixture.Path().c_str(), O_RDONLY);
        benchmark::DoNotOptimize(ReadThrough(from, -1));
        ::close(from);
    }
}

BENCHMARK(BM_ReadFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
// Second argument 1: the same catalogue with a comment line among its entries; 2: with prices.
BENCHMARK(BM_LoadMaterials)
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAndSync)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMaterial)
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({999999, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFirstMaterial)
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);

} // namespace
