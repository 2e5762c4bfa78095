// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prices per kilogram and what a row costs. A price is optional, kept with its material in the
// catalogue, in the catalogue's one currency; costs are in that currency too.

#include "errors.h"
#include "shape_rule.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace volcalc {

// Above this a price per kilogram is a slip of the keyboard, and costs could leave the range of
// a double; the dearest metals, in the currencies with the smallest unit, stay far below it.
inline constexpr double LargestPrice = 1e12;
// A currency code is a short label ("EUR", "Kč"), not a sentence.
inline constexpr std::size_t LongestCurrency = 12;

// A price or currency that is refused; the message says why, quoting Text (the start of what was
// typed) between single quotes.
class PriceError : public CalculationError {
public:
    PriceError(const std::string& message, std::string text)
        : CalculationError(message), Text(std::move(text)) {}
    std::string Text;
};

// A price as a person types it, "." or "," as separator. Throws PriceError when it is not a
// number, is negative or is above LargestPrice, or is too small for a double to tell from 0.
double PriceFromText(std::string_view text);

// A price as the catalogue keeps it: "." as separator, the shortest text that reads back the same;
// the E form ("1e-63") for a price so small that the plain one would be a line of zeros.
std::string PriceText(double price);

// A price as reports and the window show it: PriceText with the regional decimal separator.
std::string FormatPrice(double price);

// A cost as reports and the window show it: two decimals and the regional separator; the E form
// from 1E15 on, where cents mean nothing.
std::string FormatCost(double cost);

// A price read from the catalogue: "." as separator only, within the limits; empty otherwise.
std::optional<double> ReadPriceText(std::string_view text);

// A currency code as typed, blanks around it dropped; empty for none. Throws PriceError for one
// that is too long or holds a blank, a control character or a character of the file's syntax.
std::string CurrencyFromText(std::string_view text);

// What a row costs, in the currency of its price: an object costs its mass (kg) times the price;
// an aperture costs nothing, because the material cut out was bought with the object. Without a
// price (a material without one, or a density set by hand) the cost is unknown. Throws
// OverflowError when the cost leaves the range of a double.
std::optional<double> RowCost(CalcGroup group, double mass, std::optional<double> pricePerKg);

} // namespace volcalc
