// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_arguments.h"

#include "calc/errors.h"
#include "calc/number_text.h"

#include <charconv>
#include <optional>

namespace volcalc::cutting {

namespace {

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

// Splits at `separator` and reads each part; the first fault stops it.
LengthsReading ReadList(std::string_view text, char separator, DecimalForm form, bool skipEmpty) {
    LengthsReading reading;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end - start);
        if (!skipEmpty || !Trimmed(part).empty()) {
            LengthsReading one = ReadOrderLength(part, form, false);
            if (one.Fault != LengthFault::None) {
                return one;
            }
            reading.Lengths.push_back(one.Lengths.front());
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (reading.Lengths.empty()) {
        return Refused(LengthFault::NoLength, text);
    }
    return reading;
}

} // namespace

LengthsReading ReadOrderLength(std::string_view text, DecimalForm form, bool zero) {
    const std::string_view typed = form == DecimalForm::PointOrComma ? Trimmed(text) : text;
    const auto value = ReadValue(typed, form);
    if (!value || !(*value > 0 || (zero && *value == 0)) || !(*value <= LongestMillimetres)) {
        return Refused(LengthFault::NotALength, text);
    }
    const Units units = ToUnits(*value);
    if (units == 0 && !zero) {
        return Refused(LengthFault::TooShort, text);
    }
    return {{units}, LengthFault::None, {}};
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

} // namespace volcalc::cutting
