// SPDX-License-Identifier: GPL-3.0-or-later
#include "quantity.h"

#include "number_text.h"

namespace volcalc {

std::int32_t QuantityRules::Read(std::string_view text) const {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return MinValue;
    }
    return ReadIntegerText(text.substr(start)).value_or(MinValue);
}

std::int32_t QuantityRules::Clamp(std::int64_t value) const {
    if (MinValue != MaxValue) {
        if (value < MinValue) {
            return MinValue;
        }
        if (value > MaxValue) {
            return MaxValue;
        }
    }
    return static_cast<std::int32_t>(value);
}

std::string QuantityRules::Write(std::int64_t value) const {
    return IntegerText(Clamp(value));
}

std::string QuantityRules::StepUp(std::string_view text) const {
    return Write(std::int64_t{Read(text)} + Increment);
}

std::string QuantityRules::StepDown(std::string_view text) const {
    return Write(std::int64_t{Read(text)} - Increment);
}

std::string QuantityRules::Leave(std::string_view text) const {
    const std::int32_t value = Read(text);
    const std::int32_t clamped = Clamp(value);
    return clamped != value ? IntegerText(clamped) : std::string(text);
}

bool QuantityRules::AcceptsKey(char32_t key) const {
    if (key == U'\r' || key == U'\n') {
        return false;
    }
    return (key >= U'0' && key <= U'9') || key == U'+' || key == U'-' ||
           key == static_cast<char32_t>(static_cast<unsigned char>(DecimalSeparator())) || key < 0x20 ||
           key == 0x7F;
}

} // namespace volcalc
