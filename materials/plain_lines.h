// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The line and key readers of PlainCatalogue.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace volcalc::plain {

// Walks the text line by line, each line ended by the line end in force.
class LineReader {
public:
    LineReader(std::string_view text, std::string_view lineEnd) : m_text(text), m_lineEnd(lineEnd) {}

    std::size_t Position() const { return m_position; }
    bool AtEnd() const { return m_position == m_text.size(); }

    // The next line without its end; nothing at the end of the text, or for a line ended
    // otherwise (a carriage return the general reading would drop or add, no end at all).
    std::optional<std::string_view> Next() {
        const auto end = LineEndFrom(m_position);
        if (!end) {
            return std::nullopt;
        }
        const std::string_view line = m_text.substr(m_position, *end - m_position);
        m_position = *end + m_lineEnd.size();
        return line;
    }

    // The value of the next line when it is "KEY=value" with that key.
    std::optional<std::string_view> NextEntry(std::string_view key) {
        if (!KeyAhead(key)) {
            return std::nullopt;
        }
        const std::size_t value = m_position + key.size() + 1;
        const auto end = LineEndFrom(value);
        if (!end) {
            return std::nullopt;
        }
        m_position = *end + m_lineEnd.size();
        return m_text.substr(value, *end - value);
    }

    // The number of the next line when it is "KEY=digits" with that key and the digits are a
    // number as it is written (no sign, no leading zero, within 32 bits); the line is then passed.
    std::optional<std::int32_t> NextPlainNumber(std::string_view key) {
        if (!KeyAhead(key)) {
            return std::nullopt;
        }
        const std::size_t start = m_position + key.size() + 1;
        std::size_t at = start;
        std::int64_t value = 0;
        while (at < m_text.size() && at - start < 10 && m_text[at] >= '0' && m_text[at] <= '9') {
            value = value * 10 + (m_text[at] - '0');
            ++at;
        }
        const std::size_t digits = at - start;
        if (digits == 0 || (digits > 1 && m_text[start] == '0') || value > INT32_MAX || !LineEndAt(at)) {
            return std::nullopt;
        }
        m_position = at + m_lineEnd.size();
        return static_cast<std::int32_t>(value);
    }

private:
    // Whether the line ahead starts with the key and "=". Keys are a few digits, which a plain
    // loop compares faster than a call to compare memory.
    bool KeyAhead(std::string_view key) const {
        if (m_text.size() - m_position <= key.size() || m_text[m_position + key.size()] != '=') {
            return false;
        }
        for (std::size_t i = 0; i < key.size(); ++i) {
            if (m_text[m_position + i] != key[i]) {
                return false;
            }
        }
        return true;
    }

    bool LineEndAt(std::size_t at) const {
        if (m_lineEnd.size() == 1) {
            return at < m_text.size() && m_text[at] == '\n';
        }
        return m_text.size() - at >= 2 && m_text[at] == '\r' && m_text[at + 1] == '\n';
    }

    // Where the line from `from` ends, before its line end, when it is ended as it should be.
    std::optional<std::size_t> LineEndFrom(std::size_t from) const {
        const char* start = m_text.data() + from;
        const auto* found = static_cast<const char*>(std::memchr(start, '\n', m_text.size() - from));
        if (found == nullptr) {
            return std::nullopt;
        }
        const auto end = static_cast<std::size_t>(found - m_text.data());
        const bool carriageReturn = end > from && found[-1] == '\r';
        if (carriageReturn != (m_lineEnd.size() == 2)) {
            return std::nullopt;
        }
        return carriageReturn ? end - 1 : end;
    }

    std::string_view m_text;
    std::string_view m_lineEnd;
    std::size_t m_position = 0;
};

// The decimal spelling of the entries' keys, counted up one by one.
class KeyCounter {
public:
    KeyCounter() = default;
    explicit KeyCounter(std::size_t start) {
        char digits[20] = {};
        const char* end = std::to_chars(digits, digits + sizeof digits, start).ptr;
        m_length = static_cast<std::size_t>(end - digits);
        std::memcpy(m_digits + sizeof m_digits - m_length, digits, m_length);
    }

    std::string_view Text() const {
        return std::string_view(m_digits + sizeof m_digits - m_length, m_length);
    }
    void Increment() {
        for (std::size_t i = sizeof m_digits; i-- > sizeof m_digits - m_length;) {
            if (m_digits[i] != '9') {
                ++m_digits[i];
                return;
            }
            m_digits[i] = '0';
        }
        ++m_length;
        m_digits[sizeof m_digits - m_length] = '1';
    }

private:
    char m_digits[20] = {'0', '0', '0', '0', '0', '0', '0', '0', '0', '0',
                         '0', '0', '0', '0', '0', '0', '0', '0', '0', '0'};
    std::size_t m_length = 1;
};

} // namespace volcalc::plain
