// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace volcalc {

// Every error the calculator reports to the user carries the message text it shows.
class CalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number. Text is the text the message quotes.
class NotANumberError : public CalculationError {
public:
    NotANumberError(const std::string& message, std::string text)
        : CalculationError(message), Text(std::move(text)) {}
    std::string Text;
};

// A calculation refused because its values describe no solid or a field is empty: the warning
// "Wrong data input." with its line break, shown as a warning rather than as an error.
class WrongDataError : public CalculationError {
public:
    WrongDataError();
};

class InvalidOperationError : public CalculationError {
public:
    InvalidOperationError() : CalculationError("Invalid floating point operation") {}
};

class DivisionByZeroError : public CalculationError {
public:
    DivisionByZeroError() : CalculationError("Floating point division by zero") {}
};

class OverflowError : public CalculationError {
public:
    OverflowError() : CalculationError("Floating point overflow") {}
};

// "'%s' is not a valid floating point value" for the given text.
NotANumberError InvalidFloatError(const std::string& text);

// "'%s' is not a valid integer value" for the given text.
NotANumberError InvalidIntegerError(const std::string& text);

// Rounds an extended-precision result to the double that is stored, raising the error the
// floating-point unit would: NaN is an invalid operation, an infinity an overflow.
double StoreDouble(long double value);

// The text of the error box: the message with a "." appended when its last character has a
// higher code than ".".
std::string ErrorBoxText(const std::string& message);

} // namespace volcalc
