#include "materials/plain_catalogue.h"

#include "calc/number_text.h"
#include "materials/ini_document.h"
#include "materials/ini_file.h"
#include "materials/large_pages.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace volcalc {

namespace {

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

// The name a raw value reads as. Most names have nothing around them to take off and are far
// shorter than the longest value read, which is seen without the general rules.
std::string_view NameByRules(std::string_view raw) {
    const auto plainEdge = [](char c) { return c != ' ' && c != '\t' && c != '"' && c != '\''; };
    if (!raw.empty() && raw.size() <= IniFile::MaxValueLength && plainEdge(raw.front()) &&
        plainEdge(raw.back())) {
        return raw;
    }
    return IniFile::ValueByRules(raw);
}

// A count as this program writes it: digits without a leading zero, within the list's bound.
std::optional<std::size_t> PlainCount(std::string_view text) {
    std::size_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || (text.size() > 1 && text[0] == '0') ||
        count > MaxMaterials) {
        return std::nullopt;
    }
    return count;
}

// A density spelled otherwise than a plain number: as the general reading takes it, and whether
// writing it back gives the same text.
std::pair<std::int32_t, bool> ReadDensity(std::string_view raw) {
    const auto read = ReadIntegerText(IniFile::ValueByRules(raw));
    return {read.value_or(1), read && IntegerText(*read) == raw};
}

void AppendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

} // namespace

std::optional<PlainCatalogue> PlainCatalogue::Read(std::shared_ptr<const std::string> source, Use use) {
    PlainCatalogue plain;
    const std::string_view text = *source;
    plain.m_source = source;
    plain.m_text = text;
    plain.List.Names = NameList(std::move(source));
    const std::size_t firstEnd = text.find('\n');
    plain.m_lineEnd =
        firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    LineReader lines(text, plain.m_lineEnd);
    // Lines before the first section (a comment on top, as people write one) are kept as they stand.
    auto line = lines.Next();
    while (line && !TrimBlanks(*line).starts_with('[')) {
        line = lines.Next();
    }
    if (line != "[Count]") {
        return std::nullopt;
    }
    plain.m_countValue = lines.Position() + 6;
    const auto countLine = lines.Next();
    if (!countLine || !countLine->starts_with("Count=")) {
        return std::nullopt;
    }
    const auto count = PlainCount(countLine->substr(6));
    if (!count) {
        return std::nullopt;
    }
    plain.m_count = *count;
    plain.m_countLineEnd = plain.m_countValue + countLine->size() - 6;
    if (lines.Next() != "[Material]") {
        return std::nullopt;
    }
    plain.m_names = lines.Position();
    MaterialList& list = plain.List;
    list.Names.reserve(*count);
    list.Densities.reserve(*count);
    PreferLargePages(list.Densities.data(), list.Densities.capacity() * sizeof(std::int32_t));
    const bool forChange = use == Use::Change;
    if (forChange) {
        plain.m_nameLines.reserve(*count + 1);
        plain.m_densityLines.reserve(*count + 1);
    }
    KeyCounter key;
    for (std::size_t i = 0; i < *count; ++i, key.Increment()) {
        if (forChange) {
            plain.m_nameLines.push_back(static_cast<std::uint32_t>(lines.Position()));
        }
        const auto raw = lines.NextEntry(key.Text());
        if (!raw) {
            return std::nullopt;
        }
        const std::string_view name = NameByRules(*raw);
        plain.m_changeable = plain.m_changeable && name.size() == raw->size();
        list.Names.push_back_from_source(name);
    }
    plain.m_densityHeader = lines.Position();
    plain.m_nameLines.push_back(static_cast<std::uint32_t>(lines.Position()));
    if (lines.Next() != "[Density]") {
        return std::nullopt;
    }
    plain.m_densities = lines.Position();
    key = KeyCounter();
    for (std::size_t i = 0; i < *count; ++i, key.Increment()) {
        if (forChange) {
            plain.m_densityLines.push_back(static_cast<std::uint32_t>(lines.Position()));
        }
        if (const auto plainDensity = lines.NextPlainNumber(key.Text())) {
            list.Densities.push_back(*plainDensity);
            continue;
        }
        const auto raw = lines.NextEntry(key.Text());
        if (!raw) {
            return std::nullopt;
        }
        const auto [density, written] = ReadDensity(*raw);
        plain.m_changeable = plain.m_changeable && written;
        list.Densities.push_back(density);
    }
    if (!lines.AtEnd()) {
        return std::nullopt;
    }
    plain.m_densityLines.push_back(static_cast<std::uint32_t>(lines.Position()));
    return plain;
}

std::string PlainCatalogue::Appended(std::string_view name, std::int32_t density) const {
    std::string out;
    out.reserve(m_text.size() + name.size() + 64);
    PreferLargePages(out.data(), out.capacity());
    out.append(m_text.substr(0, m_countValue));
    AppendNumber(out, m_count + 1);
    out.append(m_text.substr(m_countLineEnd, m_densityHeader - m_countLineEnd));
    AppendNumber(out, m_count);
    out.append("=").append(name).append(m_lineEnd);
    out.append(m_text.substr(m_densityHeader));
    AppendNumber(out, m_count);
    out.append("=").append(IntegerText(density)).append(m_lineEnd);
    return out;
}

std::string PlainCatalogue::Removed(std::size_t position) const {
    std::string out;
    out.reserve(m_text.size());
    PreferLargePages(out.data(), out.capacity());
    out.append(m_text.substr(0, m_countValue));
    AppendNumber(out, m_count - 1);
    out.append(m_text.substr(m_countLineEnd, m_names - m_countLineEnd));
    CopyEntriesWithout(out, m_nameLines, position);
    out.append(m_text.substr(m_densityHeader, m_densities - m_densityHeader));
    CopyEntriesWithout(out, m_densityLines, position);
    return out;
}

void PlainCatalogue::CopyEntriesWithout(std::string& out, const std::vector<std::uint32_t>& lines,
                                        std::size_t removed) const {
    const auto text = [&](std::size_t from, std::size_t to) {
        return m_text.substr(lines[from], lines[to] - lines[from]);
    };
    out.append(text(0, removed));
    // The lines after it stay as they are but for their keys, one lower. A key one lower has as
    // many digits unless the key is 10, 100, 1000 and so on, so the lines between two such keys
    // are copied in one piece and their keys written over; a line keyed so is written by itself.
    KeyCounter key(removed);
    for (std::size_t index = removed + 1; index < m_count;) {
        std::size_t powerOfTen = 1;
        while (powerOfTen <= index) {
            powerOfTen *= 10;
        }
        if (index > 1 && powerOfTen == index * 10) {
            out.append(key.Text())
                .append(m_text.substr(lines[index] + key.Text().size() + 1,
                                      lines[index + 1] - lines[index] - key.Text().size() - 1));
            ++index;
            key.Increment();
            continue;
        }
        const std::size_t runEnd = std::min(m_count, powerOfTen);
        const std::size_t runStart = lines[index];
        const std::size_t copied = out.size();
        out.append(text(index, runEnd));
        const std::size_t digits = key.Text().size(); // the same for the whole run
        for (; index < runEnd; ++index, key.Increment()) {
            char* written = out.data() + copied + (lines[index] - runStart);
            const char* from = key.Text().data();
            for (std::size_t i = 0; i < digits; ++i) {
                written[i] = from[i];
            }
        }
    }
}

} // namespace volcalc
