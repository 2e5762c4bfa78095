#pragma once

#include "calc/ledger.h"

#include <string>
#include <vector>

namespace volcalc::testing_support {

// A window side that records what the ledger asked of it.
class RecordingView : public LedgerView {
public:
    std::vector<LedgerTotals> shown;
    std::vector<std::string> warnings;
    bool undoEnabled = false;
    int displayResets = 0;

    void ShowTotals(const LedgerTotals& totals) override { shown.push_back(totals); }
    void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    void ResetDisplayUnits() override { ++displayResets; }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }
};

} // namespace volcalc::testing_support
