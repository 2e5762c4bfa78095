// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/table_fields.h"

#include <charconv>
#include <cmath>

namespace volcalc::sections {

std::string Shown(std::string_view text) {
    constexpr std::size_t Longest = 60;
    std::string shown = "'";
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80 && characters++ == Longest) {
            return shown + "...'";
        }
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char Digits[] = "0123456789ABCDEF";
            shown += std::string("\\x") + Digits[byte >> 4] + Digits[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown + "'";
}

double Number(const std::string& text, std::string_view column, std::optional<double> absent) {
    if (text.empty()) {
        if (absent) {
            return *absent;
        }
        throw RowProblem{"no value in column " + std::string(column)};
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0) {
        throw RowProblem{Shown(text) + " in column " + std::string(column) + " is not a number of 0 or more"};
    }
    if (value == 0 && !absent) {
        throw RowProblem{"column " + std::string(column) + " is 0"};
    }
    return value;
}

} // namespace volcalc::sections
