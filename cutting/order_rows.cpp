// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_rows.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/shapes.h"
#include "calc/units.h"

#include <cstdlib>

namespace volcalc::cutting {

namespace {

// The letters of the shape's parameters other than its length, when the shape is one of the
// catalogue's.
std::vector<std::string_view> CrossSectionLetters(std::string_view shape) {
    std::vector<std::string_view> letters;
    const ShapeEntry* entry = FindShape(CalcGroup::Object, shape);
    const auto lengthAt = BarLengthParameter(shape);
    if (entry == nullptr || !lengthAt) {
        return letters;
    }
    for (std::size_t i = 0; i < entry->Parameters.size(); ++i) {
        if (i != *lengthAt) {
            letters.push_back(entry->Parameters[i].Letter);
        }
    }
    return letters;
}

} // namespace

std::optional<OrderItem> OrderItemOfRow(const PartsListRow& row) {
    const auto unit = LengthUnitFromName(row.Unit);
    if (!unit) {
        return std::nullopt;
    }
    std::vector<double> millimetres;
    try {
        for (const std::string& text : row.Parameters) {
            millimetres.push_back(static_cast<double>(ParseDecimalText(text) * MillimetresPer(*unit)));
        }
    } catch (const CalculationError&) {
        return std::nullopt;
    }
    // A shape that is none of the catalogue's is a standard section named by its designation.
    const bool section = FindShape(CalcGroup::Object, row.Shape) == nullptr;
    return OrderItemOf({row.Shape, row.Group == CalcGroup::Aperture, section, millimetres, row.Quantity,
                        row.Material, row.PieceMass, std::nullopt});
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

std::string CrossSectionText(const OrderGroup& group, char separator) {
    const std::vector<std::string_view> letters = CrossSectionLetters(group.Shape);
    std::string text;
    for (std::size_t i = 0; i < group.CrossSection.size(); ++i) {
        text += i == 0 ? "" : (letters.empty() ? " × " : "; ");
        if (i < letters.size()) {
            text += std::string(letters[i]) + "=";
        }
        text += LengthText(ToUnits(group.CrossSection[i]), separator);
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

std::string OversizedText(const OrderGroup& group, const Demand& pieces, char separator) {
    std::string text = GroupText(group, separator);
    text += ": " + std::to_string(pieces.Count) + (pieces.Count == 1 ? " piece of " : " pieces of ") +
            LengthText(pieces.Length, separator) + " mm " + (pieces.Count == 1 ? "is" : "are") +
            " longer than every stock length";
    return text;
}

} // namespace volcalc::cutting
