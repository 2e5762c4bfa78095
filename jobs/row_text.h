// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a row's texts appear in its messages, shared by every reader of rows a person typed: the
// command line's scripts and lists, a job's rows, the stock rack.

#include <stdexcept>
#include <string>
#include <string_view>

namespace volcalc::jobs {

// A failure of a script line or list row, with the message the user reads.
class LineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text from the input as a message may show it: on one line (control characters written as
// \n, \t, \xHH) and at most EchoLength characters, cut with "…".
inline constexpr std::size_t EchoLength = 60;
std::string Echo(std::string_view text);

// The message of a text that is not a number with its text as Echo shows it.
std::string EchoedMessage(const std::string& message, std::string_view text);

inline std::string Quoted(std::string_view text) {
    return "\"" + Echo(text) + "\"";
}

// A message of the window's, with its line break, as one line of the terminal.
inline std::string OneLine(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
        text.replace(at, 2, " ");
    }
    return text;
}

} // namespace volcalc::jobs
