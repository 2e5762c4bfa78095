// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace volcalc {

// The rules of an integer spin field whose text is its only state.
struct QuantityRules {
    std::int32_t MinValue = 1;
    std::int32_t MaxValue = 1000;
    std::int32_t Increment = 1;

    // Leading blanks skipped, then ReadIntegerText; any other text reads as MinValue. Not clamped.
    std::int32_t Read(std::string_view text) const;
    // Clamped into MinValue..MaxValue (nothing is clamped when the two are equal).
    std::int32_t Clamp(std::int64_t value) const;
    // The text written for a value: clamped, in decimal.
    std::string Write(std::int64_t value) const;
    std::string StepUp(std::string_view text) const;
    std::string StepDown(std::string_view text) const;
    // Leaving the field: the text it holds afterwards (unchanged unless clamping changed the value).
    std::string Leave(std::string_view text) const;
    // Whether a typed character is accepted: digits, signs, the regional separator, and control
    // characters other than Enter.
    bool AcceptsKey(char32_t key) const;
};

inline constexpr QuantityRules QuantityFieldRules{};

} // namespace volcalc
