// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_arguments.h"

#include "calc/errors.h"
#include "calc/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace volcalc::cutting {

namespace {

struct UnitSymbol {
    std::string_view Symbol;
    LengthUnit Unit;
    Units PerUnit; // exact: an inch is 25.4 mm by definition
};

// Longest first, so that "mm" is not read as "m".
constexpr std::array<UnitSymbol, 6> Symbols = {{
    {"mm", LengthUnit::Millimeter, 1000},
    {"cm", LengthUnit::Centimeter, 10000},
    {"in", LengthUnit::Inch, 25400},
    {"ft", LengthUnit::Foot, 304800},
    {"yd", LengthUnit::Yard, 914400},
    {"m", LengthUnit::Meter, 1000000},
}};

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view Blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::optional<double> ReadValue(std::string_view text, DecimalForm form) {
    if (form == DecimalForm::PointOrComma) {
        try {
            return ParseDecimalText(text);
        } catch (const CalculationError&) {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

LengthsReading Refused(LengthFault fault, std::string_view part) {
    return {{}, fault, std::string(part)};
}

// The unit a length ends with, and the number before it; millimetres when it names none.
UnitSymbol SplitUnit(std::string_view& number) {
    const std::size_t letters =
        number.find_last_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") + 1;
    const std::string_view suffix = number.substr(letters);
    for (const UnitSymbol& symbol : Symbols) {
        if (suffix == symbol.Symbol) {
            number = Trimmed(number.substr(0, letters));
            return symbol;
        }
    }
    // No unit, or letters alone ("nan", "inf"): the number is read as it is, and fails there.
    const bool numberOnly = suffix.empty() || Trimmed(number.substr(0, letters)).empty();
    return {"mm", LengthUnit::Millimeter, numberOnly ? 1000 : 0};
}

// "10" after a stock length's ':'.
std::optional<std::int64_t> ReadLimit(std::string_view text) {
    std::int64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 1 || count > MostBarsOfAStock) {
        return std::nullopt;
    }
    return count;
}

// A stock length with its limit: "6m:10".
LengthsReading ReadStock(std::string_view part, DecimalForm form) {
    const std::size_t colon = part.find(':');
    LengthsReading one = ReadOrderLength(part.substr(0, colon), form, false);
    if (one.Fault != LengthFault::None || colon == std::string_view::npos) {
        return one;
    }
    const std::string_view limit = part.substr(colon + 1);
    one.Stocks.front().Limit = ReadLimit(form == DecimalForm::PointOrComma ? Trimmed(limit) : limit);
    if (!one.Stocks.front().Limit) {
        return Refused(LengthFault::NotACount, part);
    }
    return one;
}

// Splits at `separator` and reads each part; the first fault stops it.
LengthsReading ReadList(std::string_view text, char separator, DecimalForm form, bool skipEmpty) {
    LengthsReading reading;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end - start);
        if (!skipEmpty || !Trimmed(part).empty()) {
            LengthsReading one = ReadStock(part, form);
            if (one.Fault != LengthFault::None) {
                return one;
            }
            reading.Stocks.push_back(one.Stocks.front());
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (reading.Stocks.empty()) {
        return Refused(LengthFault::NoLength, text);
    }
    return reading;
}

} // namespace

LengthsReading ReadOrderLength(std::string_view text, DecimalForm form, bool zero) {
    std::string_view number = form == DecimalForm::PointOrComma ? Trimmed(text) : text;
    const UnitSymbol unit = SplitUnit(number);
    if (unit.PerUnit == 0) {
        return Refused(LengthFault::UnknownUnit, text);
    }
    const auto value = ReadValue(number, form);
    if (!value || !(*value > 0 || (zero && *value == 0))) {
        return Refused(LengthFault::NotALength, text);
    }
    // In long double, so that 20 ft is 6096 mm exactly and the range is checked before rounding.
    const long double units = static_cast<long double>(*value) * unit.PerUnit;
    if (!(units <= static_cast<long double>(LongestMillimetres) * UnitsPerMillimetre)) {
        return Refused(LengthFault::NotALength, text);
    }
    const Units rounded = std::llround(units);
    if (rounded == 0 && !zero) {
        return Refused(LengthFault::TooShort, text);
    }
    return {{StockLength{{rounded, *value, unit.Unit}, std::nullopt}}, LengthFault::None, {}};
}

LengthsReading ReadCommandLineStocks(std::string_view text) {
    return ReadList(text, ',', DecimalForm::Point, false);
}

LengthsReading ReadWindowStocks(std::string_view text) {
    if (text.find(',') != std::string_view::npos && text.find(';') == std::string_view::npos) {
        return Refused(LengthFault::TwoReadings, text);
    }
    return ReadList(text, ';', DecimalForm::PointOrComma, true);
}

std::vector<Units> LengthsReading::Lengths() const {
    std::vector<Units> lengths;
    for (const StockLength& stock : Stocks) {
        lengths.push_back(stock.Length.Length);
    }
    return lengths;
}

std::string_view SymbolOf(LengthUnit unit) {
    for (const UnitSymbol& symbol : Symbols) {
        if (symbol.Unit == unit) {
            return symbol.Symbol;
        }
    }
    return "mm";
}

} // namespace volcalc::cutting
