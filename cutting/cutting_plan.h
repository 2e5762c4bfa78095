// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What is asked of the planner and what it answers, in whole thousandths of a millimetre.

#include "lengths.h"

#include <cstdint>
#include <span>
#include <vector>

namespace volcalc::cutting {

// Count pieces of one length.
struct Demand {
    Units Length = 0;
    std::int64_t Count = 0;

    friend bool operator==(const Demand&, const Demand&) = default;
};

struct CuttingProblem {
    std::vector<Units> Stocks; // the bar lengths that can be bought
    Units Kerf = 0;            // what each cut takes beyond the piece
    std::vector<Demand> Pieces;
};

// One bought bar. The saw makes one cut per piece; the last piece of a bar that the pieces
// fill exactly needs none.
struct Bar {
    Units Stock = 0;
    std::vector<Units> Cuts; // the pieces' lengths, longest first
    Units Offcut = 0;

    friend bool operator==(const Bar&, const Bar&) = default;
};

struct CuttingPlan {
    std::vector<Bar> Bars;
    std::vector<Demand> Oversized; // pieces longer than every stock length, not planned
    Units LowerBound = 0;          // no plan of the planned pieces buys less length than this
};

// Whether pieces of these lengths fit one bar: sum + (k - 1) * kerf <= stock.
bool FitsBar(std::span<const Units> cuts, Units kerf, Units stock);

// What is left of the bar after the pieces and a kerf behind each: 0 when the pieces fill it
// exactly, and 0 when less than a kerf would remain (the saw takes that).
Units OffcutOf(std::span<const Units> cuts, Units kerf, Units stock);

Units BoughtLength(const CuttingPlan& plan);

} // namespace volcalc::cutting
