// SPDX-License-Identifier: GPL-3.0-or-later
#include "price.h"

#include "number_text.h"
#include "number_writer.h"

#include <charconv>
#include <cmath>

namespace volcalc {
namespace {

// A refusal quoting the start of the text; a long text is cut, not the message.
PriceError Refused(std::string_view before, std::string_view text, std::string_view after) {
    constexpr std::size_t Longest = 60;
    std::string quoted(text.substr(0, Longest));
    return PriceError(std::string(before) + "'" + quoted + "'" + std::string(after), quoted);
}

// Whether the digits before any exponent name more than zero: "1e-400" does, though no double
// tells it from 0.
bool NamesMoreThanZero(std::string_view text) {
    for (const char c : text.substr(0, text.find_first_of("eE"))) {
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

bool WithinLimits(double price) {
    return std::isfinite(price) && price >= 0 && price <= LargestPrice;
}

} // namespace

double PriceFromText(std::string_view text) {
    double price = 0;
    try {
        price = ParseDecimalText(text);
    } catch (const CalculationError&) {
        throw Refused("", text, " is not a valid price");
    }
    if (price == 0 && NamesMoreThanZero(text)) {
        throw Refused("", text, " is not a valid price");
    }
    if (price < 0) {
        throw Refused("A price cannot be negative: ", text, "");
    }
    if (!WithinLimits(price)) {
        throw Refused("A price above " + PriceText(LargestPrice) + " per kilogram is not taken: ", text, "");
    }
    return price == 0 ? 0.0 : price; // no "-0" in the file
}

std::string PriceText(double price) {
    // Beyond this the plain form is mostly zeros; every price from 1e-46 up stays within it.
    constexpr std::size_t LongestPlain = 64;
    std::string plain = DoubleText(price, std::chars_format::fixed);
    return plain.size() <= LongestPlain ? plain : DoubleText(price, std::chars_format::scientific);
}

std::string FormatPrice(double price) {
    return WithDecimalSeparator(PriceText(price));
}

std::string FormatCost(double cost) {
    constexpr double LargestInCents = 1e15;
    return WithDecimalSeparator(std::abs(cost) < LargestInCents
                                    ? DoubleText(cost, std::chars_format::fixed, 2)
                                    : DoubleText(cost, std::chars_format::scientific));
}

std::optional<double> ReadPriceText(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    double price = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), price, std::chars_format::general);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !WithinLimits(price)) {
        return std::nullopt;
    }
    return price == 0 ? 0.0 : price;
}

std::string CurrencyFromText(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (text.size() > LongestCurrency) {
        throw Refused("A currency code of more than " + std::to_string(LongestCurrency) +
                          " characters is not taken: ",
                      text, "");
    }
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= ' ' || code == 0x7F || c == '=' || c == '[' || c == ']' || c == ';') {
            throw Refused("", text, " is not a valid currency code");
        }
    }
    return std::string(text);
}

std::optional<double> RowCost(CalcGroup group, double mass, std::optional<double> pricePerKg) {
    if (!pricePerKg) {
        return std::nullopt;
    }
    if (group == CalcGroup::Aperture) {
        return 0.0;
    }
    const double cost = StoreDouble(static_cast<long double>(mass) * *pricePerKg);
    return cost == 0 ? 0.0 : cost;
}

} // namespace volcalc
