// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_text.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <string_view>

namespace volcalc {

void JsonNumber(std::ostream& out, double value) {
    if (!std::isfinite(value)) {
        out << "null";
        return;
    }
    // Room for the longest shortest-round-trip text of a double (about 25 characters).
    std::array<char, 64> buffer{};
    const char* end = nlohmann::detail::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out << std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

// A quick path for the plain ASCII that a long list is made of.
void JsonString(std::ostream& out, std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            out << nlohmann::json(std::string(text))
                       .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
            return;
        }
    }
    out << '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\b':
            out << "\\b";
            break;
        case '\f':
            out << "\\f";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char Digits[] = "0123456789abcdef";
                out << "\\u00" << Digits[(c >> 4) & 15] << Digits[c & 15];
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

} // namespace volcalc
