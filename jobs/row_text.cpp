// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/row_text.h"

namespace volcalc::jobs {
namespace {

std::string Escaped(unsigned char c) {
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        break;
    }
    if (c < 0x20 || c == 0x7F) {
        constexpr char Digits[] = "0123456789ABCDEF";
        return std::string("\\x") + Digits[c >> 4] + Digits[c & 15];
    }
    return std::string(1, static_cast<char>(c));
}

bool StartsCharacter(unsigned char c) {
    return (c & 0xC0) != 0x80; // not a UTF-8 continuation byte
}

} // namespace

std::string Echo(std::string_view text) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (StartsCharacter(c) && characters++ == EchoLength) {
            return shown + "…";
        }
        shown += Escaped(c);
    }
    return shown;
}

std::string EchoedMessage(const std::string& message, std::string_view text) {
    std::string shown = message;
    const std::string whole = "'" + std::string(text) + "'";
    if (const auto at = shown.find(whole); at != std::string::npos) {
        shown.replace(at, whole.size(), "'" + Echo(text) + "'");
    }
    return shown;
}

} // namespace volcalc::jobs
