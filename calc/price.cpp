// SPDX-License-Identifier: GPL-3.0-or-later
#include "price.h"

#include "number_text.h"

#include <charconv>
#include <cmath>

namespace volcalc {
namespace {

std::string Quoted(std::string_view text) {
    constexpr std::size_t Longest = 60;
    return "'" + std::string(text.substr(0, Longest)) + "'";
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
        throw PriceError(Quoted(text) + " is not a valid price");
    }
    if (price < 0) {
        throw PriceError("A price cannot be negative: " + Quoted(text));
    }
    if (!WithinLimits(price)) {
        throw PriceError("A price above " + PriceText(LargestPrice) +
                         " per kilogram is not taken: " + Quoted(text));
    }
    return price == 0 ? 0.0 : price; // no "-0" in the file
}

std::string PriceText(double price) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, price, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

namespace {

std::string WithSeparator(std::string text) {
    if (const auto point = text.find('.'); point != std::string::npos) {
        text[point] = DecimalSeparator();
    }
    return text;
}

} // namespace

std::string FormatPrice(double price) {
    return WithSeparator(PriceText(price));
}

std::string FormatCost(double cost) {
    constexpr double LargestInCents = 1e15;
    char buffer[64];
    const auto result =
        std::abs(cost) < LargestInCents
            ? std::to_chars(buffer, buffer + sizeof buffer, cost, std::chars_format::fixed, 2)
            : std::to_chars(buffer, buffer + sizeof buffer, cost, std::chars_format::scientific);
    return WithSeparator(std::string(buffer, result.ptr));
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
        throw PriceError("A currency code of more than " + std::to_string(LongestCurrency) +
                         " characters is not taken: " + Quoted(text));
    }
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= ' ' || code == 0x7F || c == '=' || c == '[' || c == ']' || c == ';') {
            throw PriceError(Quoted(text) + " is not a valid currency code");
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
