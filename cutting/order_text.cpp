// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_text.h"

#include "calc/number_text.h"
#include "calc/number_writer.h"
#include "calc/price.h"

#include "purchase_text.h"

#include <algorithm>
#include <cstdlib>

namespace volcalc::cutting {

namespace {

std::string Percent(double share) {
    return WithDecimalSeparator(DoubleText(share * 100, std::chars_format::fixed, 1)) + "%";
}

// "0.0004" or "200000000": a length the planner cannot take, as it was calculated.
std::string OutOfRangeText(double millimetres, char separator) {
    return WithDecimalSeparator(DoubleText(millimetres, std::chars_format::general, 15), separator);
}

// "is" or "are" (or "has" or "have") and why the pieces are not planned.
struct Reason {
    const char* One;
    const char* Many;
    const char* Why;
};

Reason ReasonOf(Unplannable reason) {
    switch (reason) {
    case Unplannable::Shorter:
        return {"is", "are", "shorter than the planner's 0.001 mm"};
    case Unplannable::CrossSection:
        return {"has", "have", "a cross-section beyond the planner's 100000000 mm"};
    case Unplannable::Longer:
        break;
    }
    return {"is", "are", "longer than every stock length"};
}

} // namespace

std::vector<BarRun> IdenticalBars(std::span<const Bar> bars,
                                  std::span<const std::vector<std::string>> marks) {
    std::vector<BarRun> runs;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const std::vector<std::string> barMarks = i < marks.size() ? marks[i] : std::vector<std::string>{};
        if (!runs.empty() && runs.back().Cut == bars[i] && runs.back().Marks == barMarks) {
            ++runs.back().Count;
        } else {
            runs.push_back({bars[i], 1, barMarks});
        }
    }
    return runs;
}

std::string LengthText(Units length, char separator) {
    std::string text = std::to_string(std::llabs(length) / UnitsPerMillimetre);
    if (const Units fraction = std::llabs(length) % UnitsPerMillimetre; fraction != 0) {
        std::string digits = std::to_string(UnitsPerMillimetre + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += separator + digits;
    }
    return length < 0 ? "-" + text : text;
}

std::string MillimetreText(double millimetres, char separator) {
    if (millimetres >= 0 && millimetres <= LongestMillimetres && ToUnits(millimetres) != 0) {
        return LengthText(ToUnits(millimetres), separator);
    }
    return millimetres == 0 ? "0" : OutOfRangeText(millimetres, separator);
}

std::string CrossSectionText(const OrderGroup& group, char separator) {
    const std::vector<std::string_view>& letters = group.Letters;
    std::string text;
    for (std::size_t i = 0; i < group.CrossSection.size(); ++i) {
        text += i == 0 ? "" : (letters.empty() ? " × " : "; ");
        if (i < letters.size()) {
            text += std::string(letters[i]) + "=";
        }
        text += MillimetreText(group.CrossSection[i], separator);
    }
    return text;
}

std::string CutsText(const BarRun& run, char separator) {
    std::string text;
    for (std::size_t i = 0; i < run.Cut.Cuts.size(); ++i) {
        text += (i == 0 ? "" : " + ") + LengthText(run.Cut.Cuts[i], separator);
        if (i < run.Marks.size() && !run.Marks[i].empty()) {
            text += " (" + run.Marks[i] + ")";
        }
    }
    return text;
}

std::string BarRunText(const BarRun& run, char separator) {
    const std::string cuts = CutsText(run, separator);
    return std::to_string(run.Count) + " × " + LengthText(run.Cut.Stock, separator) + ":" +
           (cuts.empty() ? "" : " " + cuts) + ", offcut " + LengthText(run.Cut.Offcut, separator);
}

std::string GroupText(const OrderGroup& group, char separator) {
    std::string text = group.Shape;
    if (!group.CrossSection.empty()) {
        text += " " + CrossSectionText(group, separator);
    }
    return text + ", " + group.Material;
}

std::string UnplannedText(const OrderGroup& group, const UnplannedPieces& pieces, char separator) {
    const bool one = pieces.Count == 1;
    return GroupText(group, separator) + ": " + std::to_string(pieces.Count) +
           (one ? " piece of " : " pieces of ") + MillimetreText(pieces.Length, separator) + " mm " +
           (one ? ReasonOf(pieces.Reason).One : ReasonOf(pieces.Reason).Many) + " " +
           ReasonOf(pieces.Reason).Why;
}

namespace {

// "6000, 12000 mm" as before units could be typed; "6 m (at most 10), 20 ft" otherwise.
std::string StocksText(const OrderSettings& settings, char separator) {
    const bool plain = std::all_of(settings.Stocks.begin(), settings.Stocks.end(), [](const StockLength& s) {
        return s.Length.Unit == LengthUnit::Millimeter && !s.Limit;
    });
    std::string text;
    for (const StockLength& stock : settings.Stocks) {
        text += text.empty() ? "" : ", ";
        text += plain ? LengthText(stock.Length.Length, separator) : TypedLengthText(stock.Length, separator);
        if (stock.Limit) {
            text += " (at most " + std::to_string(*stock.Limit) + ")";
        }
    }
    return plain ? text + " mm" : text;
}

std::string SettingsLine(const OrderSettings& settings, char separator) {
    std::string text = "order: stock lengths " + StocksText(settings, separator) + ", kerf " +
                       TypedLengthText(settings.Kerf, separator);
    if (settings.KeepOffcuts) {
        text += ", offcuts kept from " + TypedLengthText(*settings.KeepOffcuts, separator);
    }
    return text + "\n";
}

std::string GroupLines(const GroupOrder& order, const OrderSettings& settings, MassUnit massUnit,
                       std::string_view currency, char separator) {
    std::string text = GroupText(order.Group, separator) + "\n";
    for (const BarRun& run : IdenticalBars(order.FromStock, order.FromStockMarks)) {
        text += "  from stock " + BarRunText(run, separator) + "\n";
    }
    for (const BarRun& run : IdenticalBars(order.Plan.Bars, order.BarMarks)) {
        text += "  " + BarRunText(run, separator) + "\n";
    }
    const std::string unit(NameOf(massUnit));
    text += "  net mass " + FormatResult(MassForDisplay(order.NetMass, massUnit)) + " " + unit +
            ", gross mass " + FormatResult(MassForDisplay(order.GrossMass, massUnit)) + " " + unit +
            ", offcut share " + Percent(order.OffcutShare);
    if (order.Cost) {
        text += ", cost " + FormatCost(*order.Cost) + (currency.empty() ? "" : " ") + std::string(currency);
    }
    text += "\n";
    if (order.Plan.Uncovered.empty() && !order.Group.Pieces.empty()) {
        text += "  " + BoundText(order, settings, separator) + "\n";
    }
    text += OffcutsText(order, separator);
    if (order.NetSurface) {
        text += "  surface of the pieces " + FormatResult(*order.NetSurface) + " square meter\n";
    }
    for (const UnplannedPieces& pieces : order.Group.Unplanned) {
        text += "  not planned: " + std::to_string(pieces.Count) + " × " +
                MillimetreText(pieces.Length, separator) + ", " + ReasonOf(pieces.Reason).Why + "\n";
    }
    for (const Demand& pieces : order.Plan.Uncovered) {
        text += "  not covered: " + std::to_string(pieces.Count) + " × " +
                LengthText(pieces.Length, separator) + ", beyond the stock limits and the rack\n";
    }
    return text;
}

} // namespace

std::string OrderText(const std::vector<GroupOrder>& orders, const OrderSettings& settings, MassUnit massUnit,
                      std::string_view currency) {
    const char separator = DecimalSeparator();
    std::string text = SettingsLine(settings, separator);
    if (orders.empty()) {
        return text + "  no pieces cut from bars\n";
    }
    text += PurchaseText(orders, settings, massUnit, currency);
    for (const GroupOrder& order : orders) {
        text += GroupLines(order, settings, massUnit, currency, separator);
    }
    return text;
}

} // namespace volcalc::cutting
