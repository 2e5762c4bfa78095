// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_json.h"

#include "calc/json_text.h"

#include <array>
#include <charconv>
#include <limits>
#include <string_view>

namespace volcalc::cli {
namespace {

// The member itself sits one level into the document.
constexpr int MemberDepth = 1;

void NewLine(std::ostream& out, int depth) {
    static constexpr std::string_view Spaces = "                                ";
    out << '\n' << Spaces.substr(0, static_cast<std::size_t>(2 * depth));
}

// Whole millimetres as integers, others with their decimals.
void WriteLength(std::ostream& out, cutting::Units length) {
    if (length % cutting::UnitsPerMillimetre != 0) {
        JsonNumber(out, cutting::ToMillimetres(length));
        return;
    }
    std::array<char, 24> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), length / cutting::UnitsPerMillimetre);
    out << std::string_view(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
}

// `[]` when empty, else each value on a line of its own one level in.
template <typename Values, typename WriteValue>
void WriteArray(std::ostream& out, int depth, const Values& values, WriteValue writeValue) {
    if (values.empty()) {
        out << "[]";
        return;
    }
    out << '[';
    bool first = true;
    for (const auto& value : values) {
        out << (first ? "" : ",");
        first = false;
        NewLine(out, depth + 1);
        writeValue(value, depth + 1);
    }
    NewLine(out, depth);
    out << ']';
}

void WriteKey(std::ostream& out, int depth, std::string_view key, bool first = false) {
    out << (first ? "" : ",");
    NewLine(out, depth);
    out << '"' << key << "\": ";
}

void WriteBar(std::ostream& out, int depth, const cutting::Bar& bar) {
    out << '{';
    WriteKey(out, depth + 1, "stock", true);
    WriteLength(out, bar.Stock);
    WriteKey(out, depth + 1, "cuts");
    WriteArray(out, depth + 1, bar.Cuts, [&out](cutting::Units cut, int) { WriteLength(out, cut); });
    WriteKey(out, depth + 1, "offcut");
    WriteLength(out, bar.Offcut);
    NewLine(out, depth);
    out << '}';
}

void WriteGroup(std::ostream& out, int depth, const cutting::GroupOrder& order, cutting::Units kerf,
                MassUnit massUnit) {
    out << '{';
    WriteKey(out, depth + 1, "shape", true);
    JsonString(out, order.Group.Shape);
    WriteKey(out, depth + 1, "parameters");
    WriteArray(out, depth + 1, order.Group.CrossSection, [&out](double value, int) {
        // A cross-section beyond the planner's range is named as calculated.
        if (value <= cutting::LongestMillimetres) {
            WriteLength(out, cutting::ToUnits(value));
        } else {
            JsonNumber(out, value);
        }
    });
    WriteKey(out, depth + 1, "material");
    JsonString(out, order.Group.Material);
    WriteKey(out, depth + 1, "kerf");
    WriteLength(out, kerf);
    WriteKey(out, depth + 1, "bars");
    WriteArray(out, depth + 1, order.Plan.Bars,
               [&out](const cutting::Bar& bar, int at) { WriteBar(out, at, bar); });
    WriteKey(out, depth + 1, "net_mass");
    JsonNumber(out, MassForDisplay(order.NetMass, massUnit));
    WriteKey(out, depth + 1, "gross_mass");
    JsonNumber(out, MassForDisplay(order.GrossMass, massUnit));
    WriteKey(out, depth + 1, "surface_m2");
    JsonNumber(out, order.NetSurface.value_or(std::numeric_limits<double>::quiet_NaN()));
    NewLine(out, depth);
    out << '}';
}

} // namespace

void WriteOrderJsonMember(std::ostream& out, std::span<const cutting::GroupOrder> orders, cutting::Units kerf,
                          MassUnit massUnit) {
    WriteKey(out, MemberDepth, "order", true);
    WriteArray(out, MemberDepth, orders, [&](const cutting::GroupOrder& order, int depth) {
        WriteGroup(out, depth, order, kerf, massUnit);
    });
}

} // namespace volcalc::cli
