// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/solver/knapsack_pricing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace volcalc::cutting {
namespace {

// The table and the branch and bound answer alike, and as well as trying every count.
TEST(Knapsack, BothSearchesFindTheBestPattern) {
    std::mt19937_64 random(7);
    for (int instance = 0; instance < 200; ++instance) {
        // Weights in whole thousands fill a small table; weights with no common divisor a huge one.
        const bool table = instance % 2 == 0;
        const Units capacity = table ? 20000 : 20000001;
        std::vector<KnapsackItem> items;
        for (int i = 0; i < 4; ++i) {
            const Units weight =
                std::uniform_int_distribution<Units>(2, 9)(random) * (table ? 1000 : 1000003);
            items.push_back({weight, std::uniform_real_distribution<double>(-0.2, 1.0)(random),
                             std::uniform_int_distribution<std::int64_t>(0, 4)(random)});
        }
        double best = 0;
        for (int a = 0; a <= items[0].Bound; ++a) {
            for (int b = 0; b <= items[1].Bound; ++b) {
                for (int c = 0; c <= items[2].Bound; ++c) {
                    for (int d = 0; d <= items[3].Bound; ++d) {
                        const int n[] = {a, b, c, d};
                        Units weight = 0;
                        double value = 0;
                        for (int i = 0; i < 4; ++i) {
                            weight += n[i] * items[i].Weight;
                            value += n[i] * items[i].Value;
                        }
                        if (weight <= capacity) {
                            best = std::max(best, value);
                        }
                    }
                }
            }
        }
        const KnapsackResult found = SolveKnapsack(items, capacity);
        Units weight = 0;
        double value = 0;
        for (int i = 0; i < 4; ++i) {
            ASSERT_LE(found.Counts[i], items[i].Bound);
            weight += found.Counts[i] * items[i].Weight;
            value += static_cast<double>(found.Counts[i]) * items[i].Value;
        }
        EXPECT_LE(weight, capacity) << "instance " << instance;
        EXPECT_NEAR(value, best, 1e-9) << "instance " << instance;
        EXPECT_NEAR(found.Value, best, 1e-9) << "instance " << instance;
    }
}

} // namespace
} // namespace volcalc::cutting
