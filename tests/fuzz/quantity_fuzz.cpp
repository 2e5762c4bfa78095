// SPDX-License-Identifier: GPL-3.0-or-later
// Quantity texts: reading never fails, clamping stays in range, integers round-trip.
#include "calc/number_text.h"
#include "calc/quantity.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const volcalc::QuantityRules& rules = volcalc::QuantityFieldRules;
    const std::int32_t value = rules.Read(text);
    const std::int32_t clamped = rules.Clamp(value);
    if (clamped < rules.MinValue || clamped > rules.MaxValue) {
        std::abort();
    }
    const std::string left = rules.Leave(text);
    if (left != text && rules.Read(left) != clamped) {
        std::abort();
    }
    for (const std::string& stepped : {rules.StepUp(text), rules.StepDown(text)}) {
        const std::int32_t v = rules.Read(stepped);
        if (v < rules.MinValue || v > rules.MaxValue) {
            std::abort();
        }
    }
    if (size >= sizeof(std::int32_t)) {
        std::int32_t number;
        std::memcpy(&number, data, sizeof number);
        if (volcalc::ReadIntegerText(volcalc::IntegerText(number)) != number) {
            std::abort();
        }
    }
    return 0;
}
