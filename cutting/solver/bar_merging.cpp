// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar_merging.h"

#include <algorithm>
#include <map>

namespace volcalc::cutting {

namespace {

OpenBar Joined(OpenBar a, const OpenBar& b, Units stock) {
    a.Stock = stock;
    a.Load += b.Load;
    a.Cuts.insert(a.Cuts.end(), b.Cuts.begin(), b.Cuts.end());
    return a;
}

std::vector<OpenBar> Unused(std::vector<OpenBar>& bars, const std::vector<bool>& used) {
    std::vector<OpenBar> kept;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (!used[i]) {
            kept.push_back(std::move(bars[i]));
        }
    }
    return kept;
}

// Pairs bars of one list with bars of the other (the same list when their lengths are equal): the
// heaviest that is left with the lightest, or with none when even the lightest does not fit it,
// which joins the most pairs.
bool JoinPairs(std::vector<OpenBar>& one, std::vector<OpenBar>& other, bool same, Units stock, Units kerf,
               std::vector<OpenBar>& joined) {
    auto byLoad = [](const OpenBar& a, const OpenBar& b) { return a.Load < b.Load; };
    std::stable_sort(one.begin(), one.end(), byLoad);
    std::stable_sort(other.begin(), other.end(), byLoad);
    std::vector<bool> usedOne(one.size(), false);
    std::vector<bool> usedOther(other.size(), false);
    std::size_t light = 0;
    for (std::size_t heavy = other.size(); heavy-- > 0 && light < one.size();) {
        if (same && light >= heavy) {
            break;
        }
        if (one[light].Load + other[heavy].Load <= stock + kerf) {
            joined.push_back(Joined(std::move(other[heavy]), one[light], stock));
            usedOther[heavy] = true;
            (same ? usedOther : usedOne)[light] = true;
            ++light;
        }
    }
    other = Unused(other, usedOther);
    if (!same) {
        one = Unused(one, usedOne);
    }
    return !joined.empty();
}

} // namespace

void MergeBars(std::vector<OpenBar>& bars, std::span<const Units> stocks, Units kerf) {
    std::map<Units, std::vector<OpenBar>> byStock;
    for (OpenBar& bar : bars) {
        byStock[bar.Stock].push_back(std::move(bar));
    }
    for (bool merged = true; merged;) {
        merged = false;
        for (Units stock : stocks) {
            for (Units a : stocks) {
                const Units b = stock - a;
                if (b < a || !byStock.contains(a) || !byStock.contains(b)) {
                    continue;
                }
                std::vector<OpenBar> joined;
                merged = JoinPairs(byStock[a], byStock[b], a == b, stock, kerf, joined) || merged;
                for (OpenBar& bar : joined) {
                    byStock[stock].push_back(std::move(bar));
                }
            }
        }
    }
    bars.clear();
    for (auto& [stock, group] : byStock) {
        for (OpenBar& bar : group) {
            bars.push_back(std::move(bar));
        }
    }
}

} // namespace volcalc::cutting
