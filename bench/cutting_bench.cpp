// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting planner on generated instances whose optimum is known, or bounded from below:
// how many instances reach it, how many bars the others buy beyond it, and the longest processor
// time one instance took (processor time, so that other programs on the machine do not count).
// Each benchmark runs its whole family once.
#include "cutting/plan_check.h"
#include "cutting/plan_cuts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <stdexcept>

using namespace volcalc::cutting;

namespace {

constexpr int InstancesPerFamily = 20;

struct Instance {
    CuttingProblem Problem;
    Units Optimum = 0; // in bought length: the exact optimum, or a lower bound of it
};

std::vector<Demand> AsDemands(const std::vector<Units>& pieces) {
    std::vector<Demand> demands;
    for (Units piece : pieces) {
        demands.push_back({piece, 1});
    }
    return demands;
}

// `bars` bars of each stock length cut at random points into 2 to `most` pieces that fill it
// exactly, with a kerf between each two: no plan can buy less than those bars.
Instance ExactFill(std::mt19937_64& random, std::vector<Units> stocks, int bars, int most, Units kerf) {
    Instance instance{{BuyableStocks(stocks), kerf, {}}, 0};
    std::vector<Units> pieces;
    for (Units stock : stocks) {
        for (int b = 0; b < bars; ++b) {
            const int count = std::uniform_int_distribution<int>(2, most)(random);
            const Units room = stock - (count - 1) * kerf;
            std::vector<Units> cuts{0, room};
            while (static_cast<int>(cuts.size()) < count + 1) {
                const Units at = std::uniform_int_distribution<Units>(1, room - 1)(random);
                if (std::find(cuts.begin(), cuts.end(), at) == cuts.end()) {
                    cuts.push_back(at);
                }
            }
            std::sort(cuts.begin(), cuts.end());
            for (std::size_t c = 1; c < cuts.size(); ++c) {
                pieces.push_back(cuts[c] - cuts[c - 1]);
            }
            instance.Optimum += stock;
        }
    }
    instance.Problem.Pieces = AsDemands(pieces);
    return instance;
}

// Bins of 1000 each holding three pieces of 250 to 500 that fill it: the hardest family of the
// usual one-dimensional bin-packing test sets.
Instance Triplets(std::mt19937_64& random, int bins) {
    Instance instance{{BuyableStocks(std::vector<Units>{1000}), 0, {}}, 1000 * bins};
    std::vector<Units> pieces;
    for (int b = 0; b < bins; ++b) {
        const Units first = std::uniform_int_distribution<Units>(380, 490)(random);
        const Units second = std::uniform_int_distribution<Units>(251, 1000 - first - 251)(random);
        pieces.insert(pieces.end(), {first, second, 1000 - first - second});
    }
    instance.Problem.Pieces = AsDemands(pieces);
    return instance;
}

// Martello and Toth's L2 lower bound on the number of bins.
std::int64_t L2Bound(const std::vector<Units>& pieces, Units capacity) {
    std::vector<Units> thresholds{0};
    for (Units piece : pieces) {
        if (2 * piece <= capacity) {
            thresholds.push_back(piece);
        }
    }
    std::int64_t best = 0;
    for (Units k : thresholds) {
        std::int64_t large = 0;
        std::int64_t middle = 0;
        Units middleSum = 0;
        Units smallSum = 0;
        for (Units piece : pieces) {
            if (piece > capacity - k) {
                ++large;
            } else if (2 * piece > capacity) {
                ++middle;
                middleSum += piece;
            } else if (piece >= k) {
                smallSum += piece;
            }
        }
        const Units spill = smallSum - (middle * capacity - middleSum);
        best = std::max(best, large + middle + std::max<Units>(0, (spill + capacity - 1) / capacity));
    }
    return best;
}

// `count` sizes drawn uniformly from `least` to `most` for bins of `capacity`, against L2.
Instance Uniform(std::mt19937_64& random, int count, Units least, Units most, Units capacity) {
    std::vector<Units> pieces;
    for (int p = 0; p < count; ++p) {
        pieces.push_back(std::uniform_int_distribution<Units>(least, most)(random));
    }
    return {{{{capacity, std::nullopt, false}}, 0, AsDemands(pieces)}, capacity * L2Bound(pieces, capacity)};
}

// Like the hard instances of the classic bin-packing sets: 160 to 200 pieces for bins of 1000, of
// many distinct sizes from 20% to 80% of the bin (`mode` 0), or crowded near a third and a half of
// it (`mode` 1: from 29% to 38% and from 44% to 56%); with `tight`, one piece is lengthened so that the
// pieces fill their bins to within 0.5% of one bin in all, so that the bound is reached only by bins filled
// almost perfectly. Against L2.
Instance Hard(std::mt19937_64& random, int mode, bool tight) {
    const int count = std::uniform_int_distribution<int>(160, 200)(random);
    const Units most = mode == 0 ? 800 : 560;
    std::vector<Units> pieces;
    Units sum = 0;
    for (int p = 0; p < count; ++p) {
        const bool third = std::uniform_int_distribution<int>(0, 1)(random) == 0;
        pieces.push_back(mode == 0 ? std::uniform_int_distribution<Units>(200, 800)(random)
                         : third   ? std::uniform_int_distribution<Units>(290, 380)(random)
                                   : std::uniform_int_distribution<Units>(440, 560)(random));
        sum += pieces.back();
    }
    const Units slack = (1000 - sum % 1000) % 1000 - std::uniform_int_distribution<Units>(0, 5)(random);
    for (std::size_t p = 0; tight && slack > 0 && p < pieces.size(); ++p) {
        if (pieces[p] + slack <= most) {
            pieces[p] += slack;
            break;
        }
    }
    return {{{{1000, std::nullopt, false}}, 0, AsDemands(pieces)}, 1000 * L2Bound(pieces, 1000)};
}

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Make> void RunFamily(benchmark::State& state, Make make, int count = InstancesPerFamily) {
    std::mt19937_64 random(static_cast<std::uint64_t>(state.range(0)));
    std::vector<Instance> instances;
    for (int i = 0; i < count; ++i) {
        instances.push_back(make(random));
    }
    for (auto _ : state) {
        int atOptimum = 0;
        int atOwnBound = 0;
        double worstBars = 0;
        double worstSeconds = 0;
        int stoppedEarly = 0;
        for (const Instance& instance : instances) {
            const double started = ThreadSeconds();
            const CuttingPlan plan = PlanCuts(instance.Problem);
            worstSeconds = std::max(worstSeconds, ThreadSeconds() - started);
            stoppedEarly += plan.StoppedEarly ? 1 : 0;
            if (!CheckPlan(instance.Problem, plan).empty()) {
                state.SkipWithError("invalid plan");
                return;
            }
            const Units bought = BoughtLength(plan);
            // A plan at the planner's own lower bound is proved optimal, whatever the reference says.
            const Units optimum = std::max(instance.Optimum, plan.LowerBound);
            atOptimum += bought <= optimum ? 1 : 0;
            atOwnBound += bought <= plan.LowerBound ? 1 : 0;
            const Units shortest =
                std::min_element(instance.Problem.Stocks.begin(), instance.Problem.Stocks.end(),
                                 [](const StockKind& a, const StockKind& b) { return a.Length < b.Length; })
                    ->Length;
            worstBars = std::max(worstBars, static_cast<double>(bought - optimum) / shortest);
        }
        state.counters["instances"] = static_cast<double>(instances.size());
        state.counters["at_optimum"] = atOptimum;
        state.counters["at_own_bound"] = atOwnBound;
        state.counters["worst_extra_bars"] = worstBars;
        state.counters["worst_cpu_ms"] = worstSeconds * 1000;
        state.counters["stopped_early"] = stoppedEarly;
    }
}

void BM_Triplets(benchmark::State& state) {
    RunFamily(state, [&](std::mt19937_64& r) { return Triplets(r, static_cast<int>(state.range(1))); });
}
BENCHMARK(BM_Triplets)
    ->ArgNames({"seed", "bins"})
    ->Args({1, 20})
    ->Args({2, 40})
    ->Args({3, 83})
    ->Args({4, 167})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_Uniform(benchmark::State& state) {
    RunFamily(state,
              [&](std::mt19937_64& r) { return Uniform(r, static_cast<int>(state.range(1)), 20, 100, 150); });
}
BENCHMARK(BM_Uniform)
    ->ArgNames({"seed", "pieces"})
    ->Args({5, 120})
    ->Args({6, 250})
    ->Args({7, 500})
    ->Args({8, 1000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The other classic families, 10 instances each: bins of 100 to 150 and sizes from 1, 20 or 30 to
// 100; bins of 1000 and sizes around a third to a ninth of a bin, spread by 20 to 90%; bins of
// 100000 and sizes from 20000 to 35000; bins of 1000 and sizes from 150 to 200.
void BM_SmallSizes(benchmark::State& state) {
    RunFamily(
        state,
        [&](std::mt19937_64& r) {
            return Uniform(r, static_cast<int>(state.range(1)), state.range(3), 100, state.range(2));
        },
        10);
}
BENCHMARK(BM_SmallSizes)
    ->ArgNames({"seed", "pieces", "bin", "least"})
    ->Args({14, 100, 100, 1})
    ->Args({15, 100, 150, 30})
    ->Args({16, 500, 100, 20})
    ->Args({17, 500, 150, 1})
    ->Args({18, 200, 120, 30})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_AverageSizes(benchmark::State& state) {
    RunFamily(
        state,
        [&](std::mt19937_64& r) {
            const Units average = 1000 / state.range(2);
            const Units spread = average * state.range(3) / 100;
            return Uniform(r, static_cast<int>(state.range(1)), average - spread, average + spread, 1000);
        },
        10);
}
BENCHMARK(BM_AverageSizes)
    ->ArgNames({"seed", "pieces", "per_bin", "spread_percent"})
    ->Args({19, 100, 3, 20})
    ->Args({20, 100, 5, 90})
    ->Args({21, 200, 7, 50})
    ->Args({22, 500, 3, 90})
    ->Args({23, 500, 9, 20})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_LargeBins(benchmark::State& state) {
    RunFamily(
        state, [&](std::mt19937_64& r) { return Uniform(r, 200, 20000, 35000, 100000); }, 10);
}
BENCHMARK(BM_LargeBins)->ArgNames({"seed"})->Arg(24)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_NarrowSizes(benchmark::State& state) {
    RunFamily(
        state,
        [&](std::mt19937_64& r) { return Uniform(r, static_cast<int>(state.range(1)), 150, 200, 1000); }, 10);
}
BENCHMARK(BM_NarrowSizes)
    ->ArgNames({"seed", "pieces"})
    ->Args({25, 100})
    ->Args({26, 120})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_Hard(benchmark::State& state) {
    RunFamily(
        state,
        [&](std::mt19937_64& r) { return Hard(r, static_cast<int>(state.range(1)), state.range(2) != 0); },
        28);
}
BENCHMARK(BM_Hard)
    ->ArgNames({"seed", "mode", "tight"})
    ->Args({27, 0, 1})
    ->Args({28, 1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Bars of 6 m (and 12 m) in millimetres, cut into 2 to `most` pieces with a 3 mm kerf (or none).
void BM_ExactFill(benchmark::State& state) {
    const Units kerf = state.range(2);
    std::vector<Units> stocks{6000};
    if (state.range(3) != 0) {
        stocks.push_back(12000);
    }
    RunFamily(state, [&](std::mt19937_64& r) {
        return ExactFill(r, stocks, 20, static_cast<int>(state.range(1)), kerf);
    });
}
BENCHMARK(BM_ExactFill)
    ->ArgNames({"seed", "most", "kerf", "two_stocks"})
    ->Args({9, 4, 0, 0})
    ->Args({10, 4, 3, 0})
    ->Args({11, 8, 3, 0})
    ->Args({12, 4, 0, 1})
    ->Args({13, 8, 0, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
