// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The line and key readers of PlainCatalogue.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace volcalc::plain {

// The decimal spelling of the entries' keys, counted up one by one.
class KeyCounter {
public:
    KeyCounter() : KeyCounter(0) {}
    explicit KeyCounter(std::size_t start) {
        std::memset(m_digits, '0', End);
        m_digits[End] = '=';
        const char* end = std::to_chars(m_digits, m_digits + End, start).ptr;
        m_length = static_cast<std::size_t>(end - m_digits);
        std::memmove(m_digits + End - m_length, m_digits, m_length);
        std::memset(m_digits, '0', End - m_length);
        m_mask = MaskOf(m_length);
    }

    std::string_view Text() const { return std::string_view(m_digits + End - m_length, m_length); }
    void Increment() {
        for (std::size_t i = End; i-- > End - m_length;) {
            if (m_digits[i] != '9') {
                ++m_digits[i];
                return;
            }
            m_digits[i] = '0';
        }
        ++m_length;
        m_digits[End - m_length] = '1';
        m_mask = MaskOf(m_length);
    }

    // Whether the text at `at`, of which `available` bytes may be read, starts with the key and
    // "=". Every line of a catalogue is looked at so, and a key with its "=" fits in one word,
    // compared at once where the text has a word left.
    bool StartsLine(const char* at, std::size_t available) const {
        const std::size_t length = m_length + 1;
        const char* key = m_digits + End - m_length;
        if (std::endian::native != std::endian::little || available < sizeof(std::uint64_t) ||
            length > sizeof(std::uint64_t)) {
            return available >= length && std::memcmp(at, key, length) == 0;
        }
        std::uint64_t text = 0;
        std::uint64_t word = 0;
        std::memcpy(&text, at, sizeof text);
        std::memcpy(&word, key, sizeof word);
        return ((text ^ word) & m_mask) == 0;
    }

private:
    // The bytes of a word that a key of that many digits and its "=" take, the first in the lowest.
    static std::uint64_t MaskOf(std::size_t digits) {
        return digits + 1 >= sizeof(std::uint64_t) ? ~std::uint64_t(0)
                                                   : (std::uint64_t(1) << (8 * (digits + 1))) - 1;
    }

    // The digits end at End, followed by "=" and room for reading a word from the first digit.
    static constexpr std::size_t End = 20;
    char m_digits[End + sizeof(std::uint64_t)] = {};
    std::size_t m_length = 1;
    std::uint64_t m_mask = 0;
};

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

    // Whether the next line starts with "[", a section's header.
    bool SectionAhead() const { return !AtEnd() && m_text[m_position] == '['; }

    // The value of the next line when it is "KEY=value" with that key.
    std::optional<std::string_view> NextEntry(const KeyCounter& key) {
        if (!key.StartsLine(m_text.data() + m_position, m_text.size() - m_position)) {
            return std::nullopt;
        }
        const std::size_t value = m_position + key.Text().size() + 1;
        const auto end = LineEndFrom(value);
        if (!end) {
            return std::nullopt;
        }
        m_position = *end + m_lineEnd.size();
        return m_text.substr(value, *end - value);
    }

    // The number of the next line when it is "KEY=digits" with that key and the digits are a
    // number as it is written (no sign, no leading zero, within 32 bits); the line is then passed.
    std::optional<std::int32_t> NextPlainNumber(const KeyCounter& key) {
        if (!key.StartsLine(m_text.data() + m_position, m_text.size() - m_position)) {
            return std::nullopt;
        }
        const std::size_t start = m_position + key.Text().size() + 1;
        const auto number = NumberAt(start, 10);
        if (!number || number->Value > INT32_MAX) {
            return std::nullopt;
        }
        m_position = number->End + m_lineEnd.size();
        return static_cast<std::int32_t>(number->Value);
    }

    // The digits of the next line when it is "KEY=digits" or "KEY=digits.digits" with that key, at
    // most 15 digits in all (a price as this program writes one), and how many follow the point;
    // the line is then passed.
    struct Decimal {
        std::uint64_t Digits;
        std::size_t Decimals;
    };
    std::optional<Decimal> NextDecimal(const KeyCounter& key) {
        constexpr std::size_t MostDigits = 15;
        if (!key.StartsLine(m_text.data() + m_position, m_text.size() - m_position)) {
            return std::nullopt;
        }
        const std::size_t start = m_position + key.Text().size() + 1;
        const std::size_t limit = std::min(m_text.size(), start + MostDigits + 1);
        std::uint64_t digits = 0;
        std::size_t at = DigitsFrom(start, limit, digits);
        const std::size_t whole = at - start;
        std::size_t decimals = 0;
        if (whole > 0 && at < limit && m_text[at] == '.') {
            const std::size_t fraction = at + 1;
            at = DigitsFrom(fraction, limit, digits);
            decimals = at - fraction;
            if (decimals == 0) {
                return std::nullopt;
            }
        }
        if (whole == 0 || whole + decimals > MostDigits || !LineEndAt(at)) {
            return std::nullopt;
        }
        m_position = at + m_lineEnd.size();
        return Decimal{digits, decimals};
    }

    // The key and value of the next line when it is "digits=value", the key written as a number is
    // (no leading zero, at most 7 digits: the keys of a catalogue); the line is then passed.
    struct Keyed {
        std::uint32_t Key;
        std::string_view Value;
    };
    std::optional<Keyed> NextKeyed() {
        std::uint32_t key = 0;
        std::size_t at = m_position;
        for (; at < m_text.size() && at - m_position < 8; ++at) {
            const auto digit = static_cast<unsigned>(m_text[at]) - '0';
            if (digit > 9) {
                break;
            }
            key = key * 10 + digit;
        }
        const std::size_t digits = at - m_position;
        if (digits == 0 || digits > 7 || (digits > 1 && m_text[m_position] == '0') || at == m_text.size() ||
            m_text[at] != '=') {
            return std::nullopt;
        }
        const auto end = LineEndFrom(at + 1);
        if (!end) {
            return std::nullopt;
        }
        m_position = *end + m_lineEnd.size();
        return Keyed{key, m_text.substr(at + 1, *end - at - 1)};
    }

private:
    // Where the digits from `at` end, before `limit`, with `value` taking them on.
    std::size_t DigitsFrom(std::size_t at, std::size_t limit, std::uint64_t& value) const {
        for (; at < limit; ++at) {
            const auto digit = static_cast<unsigned>(m_text[at]) - '0';
            if (digit > 9) {
                break;
            }
            value = value * 10 + digit;
        }
        return at;
    }

    struct Number {
        std::uint64_t Value;
        std::size_t End;
    };
    // The digits from `start` to the line's end, at most `most` of them and without a leading zero.
    std::optional<Number> NumberAt(std::size_t start, std::size_t most) const {
        const std::size_t limit = std::min(m_text.size(), start + most);
        std::uint64_t value = 0;
        std::size_t at = start;
        for (; at < limit; ++at) {
            const auto digit = static_cast<unsigned>(m_text[at]) - '0';
            if (digit > 9) {
                break;
            }
            value = value * 10 + digit;
        }
        const std::size_t digits = at - start;
        if (digits == 0 || (digits > 1 && m_text[start] == '0') || !LineEndAt(at)) {
            return std::nullopt;
        }
        return Number{value, at};
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

} // namespace volcalc::plain
