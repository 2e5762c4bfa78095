// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cutting a plan changes the rack: the bars it took from the rack leave it, the remnants it keeps
// join it. The change is made as one safe change of the rack's file, under a lock beside it
// ("rack.csv.lock"): the rack is read again under the lock and the change made to what it holds
// then, so that two programs changing one rack take turns and neither loses the other's change.

#include "calc/file_writer.h"
#include "cutting/order_plan.h"
#include "jobs/stock_rack.h"

#include <chrono>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace volcalc::jobs {

// Bars of one kind and length to take from the rack or put on it.
struct RackChange {
    std::vector<cutting::RackBars> Taken; // the rack's bars the plan cuts
    std::vector<cutting::RackBars> Put;   // the remnants it keeps
};

// What the plan changes: each group's bars from the rack, and its remnants (bought or from the
// rack), counted by length.
RackChange ChangeOf(std::span<const cutting::GroupOrder> orders);

// Makes the change to the rack in memory: an empty text, or why it cannot be made (the rack no
// longer holds a bar the plan cuts). Remnants join a row of their kind and length where one has
// room, else a new row in millimetres, written with the shape's parameters in the order the
// shape's entry gives them (`sections` resolves designations).
std::string ApplyChange(StockRack& rack, const RackChange& change, sections::SectionShapes* sections);

struct RackUpdate {
    bool Done = false;
    std::string Problem; // why not, for the user: names the file
};

// Reads the rack's file again under its lock, makes the change and replaces the file through
// `writer`, all of it or none. Waits at most `wait` for another program's change to end.
RackUpdate UpdateRackFile(const std::filesystem::path& file, const RackChange& change,
                          sections::SectionShapes* sections, FileWriter& writer,
                          std::chrono::milliseconds wait = std::chrono::milliseconds(10000));

} // namespace volcalc::jobs
