// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace volcalc::testing_support {

// A window side that records what the ledger asked of it.
class RecordingView : public LedgerView {
public:
    std::vector<LedgerTotals> shown;
    bool undoEnabled = false;
    int displayResets = 0;
    std::vector<std::int32_t> densities;

    void ShowTotals(const LedgerTotals& totals) override { shown.push_back(totals); }
    void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    void ResetDisplayUnits() override { ++displayResets; }
    void ShowDensity(std::int32_t density) override { densities.push_back(density); }
};

// A material selection that says whatever density the test puts in.
struct SelectedDensityStub : DensitySource {
    std::int32_t density = 0;
    std::string name = "Steel";
    std::optional<double> price;
    std::int32_t SelectedDensity() const override { return density; }
    std::string SelectedName() const override { return name; }
    std::optional<double> SelectedPrice() const override { return price; }
};

} // namespace volcalc::testing_support
