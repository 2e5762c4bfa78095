// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace volcalc {
namespace {

constexpr int SignificantDigits = 5;
constexpr int Decimals = 3;
constexpr int DigitString = 18;
// The parts list's figures: at least this many significant digits, written out in full from
// 0.001 on (a magnitude of 0.d x 10^-2) and in the E form below.
constexpr int ListDigits = 4;
constexpr int SmallestFixedExponent = -2;

std::string ZeroText() {
    return std::string("0") + DecimalSeparator() + std::string(Decimals, '0');
}

// The magnitude as 0.d1d2...d18 x 10^exponent, rounded to nearest.
struct DigitForm {
    std::string digits;
    int exponent = 0;
};

DigitForm EighteenDigits(double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", DigitString - 1, magnitude);
    DigitForm form;
    const char* p = buffer;
    // Only the digits are taken: the C library writes the locale's decimal point.
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            form.digits.push_back(*p);
        }
    }
    form.exponent = std::atoi(p + 1) + 1;
    return form;
}

// Keeps `count` digits, rounding half away from zero on the digit string; a carry out of the
// first digit leaves the single digit 1 one place higher. Trailing zeros are dropped.
void RoundTo(DigitForm& form, int count) {
    const bool roundUp = form.digits[static_cast<std::size_t>(count)] >= '5';
    form.digits.resize(static_cast<std::size_t>(count));
    if (roundUp) {
        int i = count - 1;
        for (; i >= 0 && form.digits[static_cast<std::size_t>(i)] == '9'; --i) {
            form.digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i >= 0) {
            ++form.digits[static_cast<std::size_t>(i)];
        } else {
            form.digits.assign(1, '1');
            ++form.exponent;
        }
    }
    while (!form.digits.empty() && form.digits.back() == '0') {
        form.digits.pop_back();
    }
}

std::string Scientific(const DigitForm& form, bool negative) {
    std::string text = negative ? "-" : "";
    text += form.digits[0];
    if (form.digits.size() > 1) {
        text += DecimalSeparator();
        text += form.digits.substr(1);
    }
    return text + "E" + std::to_string(form.exponent - 1);
}

std::string Fixed(const DigitForm& form, bool negative) {
    std::string text = negative ? "-" : "";
    std::string rest = form.digits;
    if (form.exponent <= 0) {
        text += '0';
        rest.insert(0, static_cast<std::size_t>(std::min(-form.exponent, Decimals)), '0');
    } else {
        const auto integerLength = static_cast<std::size_t>(form.exponent);
        std::string integer = rest.substr(0, std::min(integerLength, rest.size()));
        integer.resize(integerLength, '0');
        text += integer;
        rest = rest.size() > integerLength ? rest.substr(integerLength) : "";
    }
    rest.resize(Decimals, '0');
    return text + DecimalSeparator() + rest;
}

// The field's text of a magnitude given by its digits, from the digits alone: a figure shown
// with more digits reads as the field when rounded as the field rounds.
std::string FieldText(DigitForm form, bool negative) {
    const int keep = form.exponent + Decimals;
    if (keep < 0) {
        return ZeroText();
    }
    form.digits.resize(DigitString, '0');
    RoundTo(form, std::min(keep, SignificantDigits));
    if (form.digits.empty()) {
        return ZeroText();
    }
    return form.exponent > SignificantDigits ? Scientific(form, negative) : Fixed(form, negative);
}

// Digits written out with `decimals` places, padding with zeros.
std::string FixedPlaces(const DigitForm& form, bool negative, int decimals) {
    std::string digits = form.digits;
    int exponent = form.exponent;
    if (exponent <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - exponent), '0');
        exponent = 1;
    }
    digits.resize(static_cast<std::size_t>(exponent + decimals), '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, static_cast<std::size_t>(exponent));
    return text + DecimalSeparator() + digits.substr(static_cast<std::size_t>(exponent));
}

std::string ListText(DigitForm form, bool negative) {
    const int shown = std::max(static_cast<int>(form.digits.size()), ListDigits);
    if (form.exponent > SignificantDigits || form.exponent < SmallestFixedExponent) {
        form.digits.resize(static_cast<std::size_t>(shown), '0');
        return Scientific(form, negative);
    }
    return FixedPlaces(form, negative, std::max(Decimals, shown - form.exponent));
}

} // namespace

std::string FormatResult(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return ZeroText();
    }
    return FieldText(EighteenDigits(std::fabs(value)), value < 0);
}

std::string FormatListFigure(double value) {
    if (std::isnan(value) || std::isinf(value) || value == 0) {
        return FormatResult(value);
    }
    const bool negative = value < 0;
    const DigitForm all = EighteenDigits(std::fabs(value));
    const std::string field = FieldText(all, negative);
    // Rounding twice can carry where rounding once does not (0.12349 to 0.1235 to 0.124): then
    // more digits are shown, as many as it takes.
    for (int count = ListDigits; count < DigitString; ++count) {
        DigitForm shown = all;
        RoundTo(shown, count);
        if (FieldText(shown, negative) == field) {
            return ListText(shown, negative);
        }
    }
    DigitForm shown = all;
    while (shown.digits.back() == '0') {
        shown.digits.pop_back();
    }
    return ListText(shown, negative);
}

} // namespace volcalc
