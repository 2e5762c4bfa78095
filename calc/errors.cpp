// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors.h"

#include "shape_rule.h"

#include <cmath>

namespace volcalc {

WrongDataError::WrongDataError() : CalculationError(std::string(WrongDataWarning)) {}

NotANumberError InvalidFloatError(const std::string& text) {
    return NotANumberError("'" + text + "' is not a valid floating point value", text);
}

NotANumberError InvalidIntegerError(const std::string& text) {
    return NotANumberError("'" + text + "' is not a valid integer value", text);
}

double StoreDouble(long double value) {
    if (std::isnan(value)) {
        throw InvalidOperationError();
    }
    const double stored = static_cast<double>(value);
    if (std::isinf(stored)) {
        throw OverflowError();
    }
    return stored;
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
        return message + ".";
    }
    return message;
}

} // namespace volcalc
