// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_writer.h"

namespace volcalc {
namespace {

// The first size holds the E form and the plain form of everyday values; the plain form of a tiny
// or huge value (over 300 characters for the smallest double) doubles it a few times.
template <typename... Form> std::string Written(double value, Form... form) {
    std::string text(64, '\0');
    for (;;) {
        const auto result = std::to_chars(text.data(), text.data() + text.size(), value, form...);
        if (result.ec == std::errc()) {
            text.resize(static_cast<std::size_t>(result.ptr - text.data()));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

} // namespace

std::string DoubleText(double value) {
    return Written(value);
}

std::string DoubleText(double value, std::chars_format format) {
    return Written(value, format);
}

std::string DoubleText(double value, std::chars_format format, int precision) {
    return Written(value, format, precision);
}

} // namespace volcalc
