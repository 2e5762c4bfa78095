// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/rack_update.h"

#include "calc/shapes.h"
#include "cutting/order_text.h"
#include "jobs/list_rows.h"
#include "materials/catalogue_lock.h"

#include <algorithm>

namespace volcalc::jobs {
namespace {

// Thousandths of a millimetre, as the order compares cross-sections.
std::vector<cutting::Units> SectionUnits(const std::vector<double>& crossSection) {
    std::vector<cutting::Units> units;
    for (double value : crossSection) {
        units.push_back(value >= 0 && value <= cutting::LongestMillimetres ? cutting::ToUnits(value) : -1);
    }
    return units;
}

bool SameKind(const cutting::RackBars& a, const cutting::RackBars& b) {
    return a.Shape == b.Shape && a.Material == b.Material && a.Length == b.Length &&
           SectionUnits(a.CrossSection) == SectionUnits(b.CrossSection);
}

void Count(std::vector<cutting::RackBars>& bars, const cutting::RackBars& kind) {
    const auto same =
        std::find_if(bars.begin(), bars.end(), [&](const auto& b) { return SameKind(b, kind); });
    if (same == bars.end()) {
        bars.push_back(kind);
    } else {
        same->Count += kind.Count;
    }
}

cutting::RackBars KindOf(const cutting::OrderGroup& group, cutting::Units length) {
    return {group.Shape, group.CrossSection, group.Material, length, 1};
}

// The shape's entry: one of the table's, or a standard section's.
const ShapeEntry* ShapeOf(const std::string& name, sections::SectionShapes* sections) {
    const ShapeEntry* shape = FindShape(CalcGroup::Object, name);
    return shape || !sections ? shape : sections->Find(name);
}

// "Cylinder a=20, S235 of 3000 mm", as the order names its groups.
std::string Named(const cutting::RackBars& bars, sections::SectionShapes* sections) {
    cutting::OrderGroup group;
    group.Shape = bars.Shape;
    group.CrossSection = bars.CrossSection;
    group.Material = bars.Material;
    if (const ShapeEntry* shape = ShapeOf(bars.Shape, sections); shape && shape->BarLength) {
        for (std::size_t i = 0; i < shape->Parameters.size(); ++i) {
            if (i != *shape->BarLength) {
                group.Letters.push_back(shape->Parameters[i].Letter);
            }
        }
    }
    return cutting::GroupText(group) + " of " + cutting::LengthText(bars.Length) + " mm";
}

std::string Take(StockRack& rack, const cutting::RackBars& taken, sections::SectionShapes* sections) {
    std::int64_t left = taken.Count;
    for (RackRow& row : rack.Rows) {
        if (left > 0 && SameKind(row.Bars, taken)) {
            const std::int64_t now = std::min(left, row.Bars.Count);
            row.Bars.Count -= now;
            left -= now;
        }
    }
    if (left > 0) {
        return "the rack no longer holds " + std::to_string(left) + " × " + Named(taken, sections) +
               " that the plan cuts: it changed since it was read";
    }
    return {};
}

// The fields of a new row of remnants: the shape's parameters in its entry's order, the length
// where the entry cuts it.
std::vector<std::string> NewRow(const cutting::RackBars& bars, std::int64_t count,
                                sections::SectionShapes* sections) {
    const ShapeEntry* shape = ShapeOf(bars.Shape, sections);
    std::vector<std::string> fields = {"stock", bars.Shape, "millimeter", std::to_string(count),
                                       bars.Material};
    const std::size_t lengthAt = shape && shape->BarLength ? *shape->BarLength : bars.CrossSection.size();
    for (std::size_t i = 0, section = 0; i <= bars.CrossSection.size(); ++i) {
        fields.push_back(i == lengthAt ? cutting::LengthText(bars.Length)
                                       : cutting::MillimetreText(bars.CrossSection[section++]));
    }
    return fields;
}

void Put(StockRack& rack, cutting::RackBars put, sections::SectionShapes* sections) {
    for (RackRow& row : rack.Rows) {
        if (put.Count > 0 && SameKind(row.Bars, put) && row.Bars.Count < MostBarsInARow) {
            const std::int64_t now = std::min(put.Count, MostBarsInARow - row.Bars.Count);
            row.Bars.Count += now;
            put.Count -= now;
        }
    }
    while (put.Count > 0) {
        const std::int64_t now = std::min(put.Count, MostBarsInARow);
        rack.Rows.push_back(
            {0, NewRow(put, now, sections), {put.Shape, put.CrossSection, put.Material, put.Length, now}});
        put.Count -= now;
    }
}

} // namespace

RackChange ChangeOf(std::span<const cutting::GroupOrder> orders) {
    RackChange change;
    for (const cutting::GroupOrder& order : orders) {
        for (const cutting::Bar& bar : order.FromStock) {
            Count(change.Taken, KindOf(order.Group, bar.Stock));
        }
        for (cutting::Units remnant : order.Remnants) {
            Count(change.Put, KindOf(order.Group, remnant));
        }
    }
    return change;
}

std::string ApplyChange(StockRack& rack, const RackChange& change, sections::SectionShapes* sections) {
    for (const cutting::RackBars& taken : change.Taken) {
        if (std::string problem = Take(rack, taken, sections); !problem.empty()) {
            return problem;
        }
    }
    std::erase_if(rack.Rows, [](const RackRow& row) { return row.Bars.Count == 0; });
    for (const cutting::RackBars& put : change.Put) {
        Put(rack, put, sections);
    }
    return {};
}

RackUpdate UpdateRackFile(const std::filesystem::path& file, const RackChange& change,
                          sections::SectionShapes* sections, FileWriter& writer,
                          std::chrono::milliseconds wait) {
    const CatalogueLock lock(file, wait);
    if (!lock.Held()) {
        return {false, "cannot change the rack " + file.string() + ": " +
                           (lock.TimedOut() ? "another program is changing it" : lock.Problem())};
    }
    // No other program writes the rack now: what a writer killed half-way left beside it goes.
    RemoveLeftovers(file);
    RackReading reading = ReadRackFile(file, sections);
    if (!reading.Problems.empty()) {
        return {false, "the rack is not changed: " + reading.Problems.front()};
    }
    if (std::string problem = ApplyChange(reading.Rack, change, sections); !problem.empty()) {
        return {false, "the rack " + file.string() + " is not changed: " + problem};
    }
    if (!ReplaceFile(writer, file, RackText(reading.Rack))) {
        return {false, "cannot write the rack " + file.string() + ": nothing of it is changed"};
    }
    return {true, {}};
}

} // namespace volcalc::jobs
