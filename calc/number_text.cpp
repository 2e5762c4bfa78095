// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include "errors.h"

#include <array>
#include <cmath>
#include <limits>

namespace volcalc {
namespace {

char g_decimalSeparator = '.';

constexpr int ExponentLimit = 500;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Powers of ten up to 10^27 are exact in the 64-bit significand.
constexpr std::array<long double, 28> ExactPowersOfTen = [] {
    std::array<long double, 28> powers{};
    long double p = 1.0L;
    for (auto& power : powers) {
        power = p;
        p *= 10.0L;
    }
    return powers;
}();

long double PowerOfTen(int exponent) {
    if (exponent < static_cast<int>(ExactPowersOfTen.size())) {
        return ExactPowersOfTen[static_cast<std::size_t>(exponent)];
    }
    return std::pow(10.0L, static_cast<long double>(exponent));
}

long double ScaleByPowerOfTen(long double value, int exponent) {
    return exponent >= 0 ? value * PowerOfTen(exponent) : value / PowerOfTen(-exponent);
}

struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[pos]; }
    bool Take(char c) {
        if (!AtEnd() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    void SkipBlanks() {
        while (Take(' ')) {
        }
    }
};

// Reads digits into the mantissa; returns how many were read.
int ReadDigits(Cursor& in, long double& mantissa) {
    int count = 0;
    while (IsDigit(in.Peek())) {
        mantissa = mantissa * 10.0L + (in.text[in.pos] - '0');
        ++in.pos;
        ++count;
    }
    return count;
}

int ReadExponent(Cursor& in) {
    const bool negative = in.Take('-');
    if (!negative) {
        in.Take('+');
    }
    int exponent = 0;
    while (exponent < ExponentLimit && IsDigit(in.Peek())) {
        exponent = exponent * 10 + (in.text[in.pos] - '0');
        ++in.pos;
    }
    return negative ? -exponent : exponent;
}

std::optional<std::int32_t> ReadHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        int digit;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        if (significant > 0 || digit != 0) {
            if (++significant > 8) {
                return std::nullopt;
            }
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ReadDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        pos = 1;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            return std::nullopt;
        }
        value = value * 10 + (text[pos] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

char DecimalSeparator() {
    return g_decimalSeparator;
}
void SetDecimalSeparator(char separator) {
    g_decimalSeparator = separator;
}

std::string WithDecimalSeparator(std::string text, char separator) {
    if (const auto point = text.find('.'); point != std::string::npos) {
        text[point] = separator;
    }
    return text;
}

long double ReadNumberText(std::string_view text) {
    Cursor in{text};
    in.SkipBlanks();
    const bool negative = in.Take('-');
    if (!negative) {
        in.Take('+');
    }
    long double mantissa = 0.0L;
    bool readSomething = ReadDigits(in, mantissa) > 0;
    int fractionDigits = 0;
    if (in.Take(g_decimalSeparator)) {
        readSomething = true;
        fractionDigits = ReadDigits(in, mantissa);
    }
    if (!readSomething) {
        throw InvalidFloatError(std::string(text));
    }
    int exponent = 0;
    if (in.Take('E') || in.Take('e')) {
        exponent = ReadExponent(in);
    }
    in.SkipBlanks();
    if (!in.AtEnd()) {
        throw InvalidFloatError(std::string(text));
    }
    const long double value = ScaleByPowerOfTen(mantissa, exponent - fractionDigits);
    if (!std::isfinite(value)) {
        throw InvalidFloatError(std::string(text));
    }
    return negative ? -value : value;
}

double ParseDecimalText(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::size_t comma = text.find(',');
    if (point == std::string_view::npos && comma == std::string_view::npos) {
        return StoreDouble(ReadNumberText(text));
    }
    const std::size_t separator = point != std::string_view::npos ? point : comma;
    const bool both = point != std::string_view::npos && comma != std::string_view::npos;
    if (both || text.find(text[separator], separator + 1) != std::string_view::npos) {
        throw InvalidFloatError(std::string(text));
    }
    std::string joined;
    joined.reserve(text.size() - 1);
    joined.append(text.substr(0, separator)).append(text.substr(separator + 1));
    int fractionDigits = 0;
    for (std::size_t i = separator + 1; i < text.size() && IsDigit(text[i]); ++i) {
        ++fractionDigits;
    }
    const long double whole = ReadNumberText(joined);
    // Ten to the power of a very long fraction's length is beyond the extended range.
    const long double divisor = PowerOfTen(fractionDigits);
    if (std::isinf(divisor)) {
        throw OverflowError();
    }
    return StoreDouble(whole / divisor);
}

std::int32_t DensityFromText(std::string_view text) {
    const double value = std::trunc(ParseDecimalText(text));
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw InvalidIntegerError(std::string(text));
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ReadIntegerText(std::string_view text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        return ReadHex(text.substr(1));
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return ReadHex(text.substr(2));
    }
    return ReadDecimal(text);
}

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}

} // namespace volcalc
