// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rack of stock on hand: bars and offcuts already in the shop, kept as a list in the
// --input-csv row format with the group "stock" ("stock,IPE 200,millimeter,2,S235,2350" is two
// IPE 200 offcuts of 2350 mm). A rack with a row that does not read is refused whole: nothing is
// planned from a damaged rack.

#include "cutting/order_plan.h"
#include "sections/section_shapes.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace volcalc::jobs {

// The most bars one rack row holds, as the quantity of any list row.
inline constexpr std::int64_t MostBarsInARow = 1000;

// One row of the rack: its fields as in the file, to write it back as it was, and the bars it holds.
struct RackRow {
    std::size_t Line = 0;
    std::vector<std::string> Fields;
    cutting::RackBars Bars; // lengths in millimetres, as the order's groups
};

struct StockRack {
    std::vector<RackRow> Rows;

    // What the order plans with.
    std::vector<cutting::RackBars> Bars() const;
};

struct RackReading {
    StockRack Rack;
    // One a row that does not read, "rack.csv: line 3, column p1: ..." (the file's name as given);
    // the rack is not to be used while there is one.
    std::vector<std::string> Problems;
};

// Reads a rack; `name` heads each problem. `sections` resolves standard sections' designations.
RackReading ReadRack(std::istream& in, const std::string& name, sections::SectionShapes* sections);

// Reads the file; a file that is not there is an empty rack, one that cannot be read a problem.
RackReading ReadRackFile(const std::filesystem::path& file, sections::SectionShapes* sections);

// The rack as its file holds it: a header, then each row as typed with its count, "\n" after each.
std::string RackText(const StockRack& rack);

} // namespace volcalc::jobs
