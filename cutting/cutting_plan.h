// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What is asked of the planner and what it answers, in whole thousandths of a millimetre.

#include "lengths.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace volcalc::cutting {

// Count pieces of one length.
struct Demand {
    Units Length = 0;
    std::int64_t Count = 0;

    friend bool operator==(const Demand&, const Demand&) = default;
};

// One kind of bar a plan may cut from. A stock length to buy is a kind without a limit, or with
// the most bars of it the shop may buy. A bar or offcut on the rack is a kind on hand, its count
// on the rack the limit: it costs nothing, so a plan cuts from it before buying anything.
struct StockKind {
    Units Length = 0;
    std::optional<std::int64_t> Limit; // the most bars of this kind one plan may cut
    bool OnHand = false;

    friend bool operator==(const StockKind&, const StockKind&) = default;
};

// Stock lengths to buy, as many bars of each as needed.
std::vector<StockKind> BuyableStocks(std::span<const Units> lengths);

// A plan buys the least total length of the kinds not on hand; among plans that buy as much, it
// cuts fewer bars in all, and then leaves its offcuts in fewer, longer pieces. Kinds may repeat a
// length (a rack offcut of 6 m beside 6 m bars to buy).
struct CuttingProblem {
    std::vector<StockKind> Stocks;
    Units Kerf = 0; // what each cut takes beyond the piece
    std::vector<Demand> Pieces;
};

// One bar of the plan. The saw makes one cut per piece; the last piece of a bar that the pieces
// fill exactly needs none.
struct Bar {
    Units Stock = 0;
    std::vector<Units> Cuts; // the pieces' lengths, longest first
    Units Offcut = 0;
    std::size_t Kind = 0; // the problem's stock kind it is cut from
    bool OnHand = false;  // that kind's: taken from the rack, not bought

    friend bool operator==(const Bar&, const Bar&) = default;
};

struct CuttingPlan {
    std::vector<Bar> Bars;         // those on hand first, then those bought; longest first in each
    std::vector<Demand> Oversized; // pieces longer than every stock kind, not planned
    std::vector<Demand> Uncovered; // pieces the rack and the limits leave no bar for, not planned
    Units LowerBound = 0;          // no plan of the planned pieces buys less length than this
    bool ProvedOptimal = false;    // the plan buys LowerBound: none buys less
    bool StoppedEarly = false;     // the safety clock ended the search before its budgets did
    bool Cancelled = false;        // the caller cancelled: the best plan found until then
};

// Whether pieces of these lengths fit one bar: sum + (k - 1) * kerf <= stock.
bool FitsBar(std::span<const Units> cuts, Units kerf, Units stock);

// What is left of the bar after the pieces and a kerf behind each: 0 when the pieces fill it
// exactly, and 0 when less than a kerf would remain (the saw takes that).
Units OffcutOf(std::span<const Units> cuts, Units kerf, Units stock);

// The length of the bars bought (not those on hand).
Units BoughtLength(const CuttingPlan& plan);

// The one length that can be bought, when the problem offers a single one: the lower bound is
// then stated in bars of it (LowerBound / that length), otherwise in length.
std::optional<Units> SingleBuyableLength(const CuttingProblem& problem);

// How far the search has come, for a progress bar: Done of Total steps of its budget, and the
// plan in hand against the bound.
struct PlanProgress {
    std::int64_t Done = 0;
    std::int64_t Total = 1;
    Units Bought = 0;
    Units LowerBound = 0;
    std::size_t Group = 0; // of an order's groups, planned one after the other
    std::size_t Groups = 1;
};

// Lets a caller on another thread follow the search and cancel it. Cancel() may be called from
// any thread; the search then returns the best plan it has, marked Cancelled. The progress
// callback runs on the planning thread, between steps of the search, never after the plan
// returns.
class PlanControl {
public:
    using ProgressCallback = std::function<void(const PlanProgress&)>;

    explicit PlanControl(ProgressCallback onProgress = {}) : m_onProgress(std::move(onProgress)) {}

    void Cancel() noexcept { m_cancelled.store(true, std::memory_order_relaxed); }
    bool Cancelled() const noexcept { return m_cancelled.load(std::memory_order_relaxed); }
    // For the planner: the group planned next, and the search's progress in it.
    void EnterGroup(std::size_t group, std::size_t groups) {
        m_group = group;
        m_groups = groups;
    }
    void Report(PlanProgress progress) const {
        if (m_onProgress) {
            progress.Group = m_group;
            progress.Groups = m_groups;
            m_onProgress(progress);
        }
    }

private:
    std::atomic<bool> m_cancelled{false};
    ProgressCallback m_onProgress;
    std::size_t m_group = 0;
    std::size_t m_groups = 1;
};

} // namespace volcalc::cutting
