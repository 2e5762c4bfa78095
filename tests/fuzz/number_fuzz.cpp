// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: any bytes read or refused cleanly; results written and read back agree.
#include "calc/errors.h"
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

int SignificantDigits(std::string_view text) {
    const std::size_t end = text.find('E');
    std::string digits;
    for (char c : text.substr(0, end)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return 0;
    }
    const std::size_t last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

void CheckFormat(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = volcalc::FormatResult(value);
    if (SignificantDigits(text) > 5) {
        std::fprintf(stderr, "%.17g shown as %s\n", value, text.c_str());
        std::abort();
    }
    double back;
    try {
        back = volcalc::ParseDecimalText(text);
    } catch (const volcalc::OverflowError&) {
        // Five digits of the largest doubles round past the double range: "1.7977E308".
        if (std::fabs(value) >= 1.79765e308) {
            return;
        }
        throw;
    }
    const double bound = std::fmax(5e-4, 5e-5 * std::fabs(value)) * (1 + 1e-9);
    if (!(std::fabs(back - value) <= bound)) {
        std::fprintf(stderr, "%.17g shown as %s reads back as %.17g\n", value, text.c_str(), back);
        std::abort();
    }
}

void CheckRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    if (volcalc::ParseDecimalText(text) != value) {
        std::fprintf(stderr, "%s does not read back as %.17g\n", text, value);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = volcalc::ParseDecimalText(text);
        CheckFormat(value);
    } catch (const volcalc::CalculationError&) {
    }
    try {
        volcalc::DensityFromText(text);
    } catch (const volcalc::CalculationError&) {
    }
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckFormat(value);
        CheckRoundTrip(value);
    }
    return 0;
}
