// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_text.h"

#include "calc/csv_cell.h"
#include "calc/number_text.h"
#include "calc/number_writer.h"
#include "calc/price.h"

#include <cstdlib>

namespace volcalc::cutting {

namespace {

std::string Percent(double share) {
    return WithDecimalSeparator(DoubleText(share * 100, std::chars_format::fixed, 1)) + "%";
}

std::string FullPrecision(double value) {
    return DoubleText(value);
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

std::string CsvGroup(const OrderGroup& group) {
    return CsvCell(group.Shape) + "," + CsvCell(CrossSectionText(group)) + "," + CsvCell(group.Material);
}

} // namespace

std::vector<BarRun> IdenticalBars(std::span<const Bar> bars) {
    std::vector<BarRun> runs;
    for (const Bar& bar : bars) {
        if (!runs.empty() && runs.back().Cut == bar) {
            ++runs.back().Count;
        } else {
            runs.push_back({bar, 1});
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

std::string BarRunText(const BarRun& run, char separator) {
    std::string text = std::to_string(run.Count) + " × " + LengthText(run.Cut.Stock, separator) + ":";
    for (std::size_t i = 0; i < run.Cut.Cuts.size(); ++i) {
        text += (i == 0 ? " " : " + ") + LengthText(run.Cut.Cuts[i], separator);
    }
    return text + ", offcut " + LengthText(run.Cut.Offcut, separator);
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

std::string OrderText(const std::vector<GroupOrder>& orders, const OrderSettings& settings, MassUnit massUnit,
                      std::string_view currency) {
    const char separator = DecimalSeparator();
    std::string stocks;
    for (Units stock : settings.Stocks) {
        stocks += (stocks.empty() ? "" : ", ") + LengthText(stock, separator);
    }
    std::string text =
        "order: stock lengths " + stocks + " mm, kerf " + LengthText(settings.Kerf, separator) + " mm\n";
    if (orders.empty()) {
        text += "  no pieces cut from bars\n";
    }
    const std::string unit(NameOf(massUnit));
    for (const GroupOrder& order : orders) {
        text += GroupText(order.Group, separator) + "\n";
        for (const BarRun& run : IdenticalBars(order.Plan.Bars)) {
            text += "  " + BarRunText(run, separator) + "\n";
        }
        text += "  net mass " + FormatResult(MassForDisplay(order.NetMass, massUnit)) + " " + unit +
                ", gross mass " + FormatResult(MassForDisplay(order.GrossMass, massUnit)) + " " + unit +
                ", offcut share " + Percent(order.OffcutShare);
        if (order.Cost) {
            text +=
                ", cost " + FormatCost(*order.Cost) + (currency.empty() ? "" : " ") + std::string(currency);
        }
        text += "\n";
        if (order.NetSurface) {
            text += "  surface of the pieces " + FormatResult(*order.NetSurface) + " square meter\n";
        }
        for (const UnplannedPieces& pieces : order.Group.Unplanned) {
            text += "  not planned: " + std::to_string(pieces.Count) + " × " +
                    MillimetreText(pieces.Length, separator) + ", " + ReasonOf(pieces.Reason).Why + "\n";
        }
    }
    return text;
}

std::string OrderCsv(const std::vector<GroupOrder>& orders) {
    std::string csv =
        "shape,cross_section,material,count,stock_mm,cuts_mm,offcut_mm,net_mass_kg,gross_mass_kg,"
        "offcut_share,cost,surface_m2\r\n";
    for (const GroupOrder& order : orders) {
        for (const BarRun& run : IdenticalBars(order.Plan.Bars)) {
            std::string cuts;
            for (Units cut : run.Cut.Cuts) {
                cuts += (cuts.empty() ? "" : " + ") + LengthText(cut);
            }
            csv += CsvGroup(order.Group) + "," + std::to_string(run.Count) + "," + LengthText(run.Cut.Stock) +
                   "," + CsvCell(cuts) + "," + LengthText(run.Cut.Offcut) + ",,,,,\r\n";
        }
        csv += CsvGroup(order.Group) + ",,,,," + FullPrecision(order.NetMass) + "," +
               FullPrecision(order.GrossMass) + "," + FullPrecision(order.OffcutShare) + "," +
               (order.Cost ? FullPrecision(*order.Cost) : std::string()) + "," +
               (order.NetSurface ? FullPrecision(*order.NetSurface) : std::string()) + "\r\n";
    }
    return csv;
}

} // namespace volcalc::cutting
