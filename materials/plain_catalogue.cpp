// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/plain_catalogue.h"

#include "calc/number_text.h"
#include "calc/price.h"
#include "materials/ini_document.h"
#include "materials/ini_file.h"
#include "materials/large_pages.h"
#include "materials/plain_lines.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace volcalc {

namespace {

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
    return {read.value_or(1), WrittenNumber(raw).has_value()};
}

// A price as this program writes one (digits, or digits with a point among them, 15 at most) is
// read without the general number reading, which would take most of the time of a priced
// catalogue: the digits as a whole number and a power of ten up to 1e15 are both exact, so their
// quotient is the correctly rounded value that the general reading gives too.
std::optional<double> PriceOf(plain::LineReader::Decimal decimal) {
    static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double price = static_cast<double>(decimal.Digits) / PowersOfTen[decimal.Decimals];
    return price <= LargestPrice ? std::optional<double>(price) : std::nullopt;
}

void AppendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

// 10 to the power of the index, as far as 64 bits go.
constexpr auto WholePowersOfTen = [] {
    std::array<std::size_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// Every price line's key is looked at in a removal: its digits without a loop, guessed from the bits
// it takes (1233 / 4096 is log10(2) to four places), one more where it reaches the next power of ten.
std::size_t KeyDigits(std::size_t key) {
    const std::size_t odd = key | 1;
    const auto guess = static_cast<std::size_t>(std::bit_width(odd) * 1233) >> 12;
    return guess + (odd < WholePowersOfTen[guess] ? 0 : 1);
}

bool IsPowerOfTen(std::size_t key) {
    return key >= 10 && key == WholePowersOfTen[KeyDigits(key) - 1];
}

} // namespace

std::optional<PlainCatalogue> PlainCatalogue::Read(std::shared_ptr<const std::string> source, Use use) {
    PlainCatalogue plain;
    plain.m_text = *source;
    plain.m_source = source;
    plain.List = MaterialList(std::move(source));
    const std::size_t firstEnd = plain.m_text.find('\n');
    const bool crlf =
        firstEnd != std::string_view::npos && firstEnd > 0 && plain.m_text[firstEnd - 1] == '\r';
    plain.m_lineEnd = crlf ? "\r\n" : "\n";
    plain::LineReader lines(plain.m_text, plain.m_lineEnd);
    const bool forChange = use == Use::Change;
    if (!plain.ReadCount(lines) || !plain.ReadNames(lines, forChange) ||
        !plain.ReadDensities(lines, forChange) || !plain.ReadPriceSections(lines, forChange)) {
        return std::nullopt;
    }
    return plain;
}

bool PlainCatalogue::ReadCount(plain::LineReader& lines) {
    // Lines before the first section (a comment on top, as people write one) are kept as they stand.
    auto line = lines.Next();
    while (line && !TrimBlanks(*line).starts_with('[')) {
        line = lines.Next();
    }
    if (line != "[Count]") {
        return false;
    }
    m_countValue = lines.Position() + 6;
    const auto countLine = lines.Next();
    const auto count =
        countLine && countLine->starts_with("Count=") ? PlainCount(countLine->substr(6)) : std::nullopt;
    if (!count) {
        return false;
    }
    m_count = *count;
    m_countLineEnd = m_countValue + countLine->size() - 6;
    List.reserve(m_count);
    return true;
}

bool PlainCatalogue::ReadNames(plain::LineReader& lines, bool forChange) {
    if (lines.Next() != "[Material]") {
        return false;
    }
    m_names = lines.Position();
    if (forChange) {
        m_nameLines.reserve(m_count + 1);
    }
    plain::KeyCounter key;
    for (std::size_t i = 0; i < m_count; ++i, key.Increment()) {
        if (forChange) {
            m_nameLines.push_back(static_cast<std::uint32_t>(lines.Position()));
        }
        const auto raw = lines.NextEntry(key);
        if (!raw) {
            return false;
        }
        const std::string_view name = NameByRules(*raw);
        m_changeable = m_changeable && name.size() == raw->size();
        List.PushNameFromSource(name);
    }
    m_densityHeader = lines.Position();
    if (forChange) {
        m_nameLines.push_back(static_cast<std::uint32_t>(m_densityHeader));
    }
    return true;
}

bool PlainCatalogue::ReadDensities(plain::LineReader& lines, bool forChange) {
    if (lines.Next() != "[Density]") {
        return false;
    }
    m_densities = lines.Position();
    if (forChange) {
        m_densityLines.reserve(m_count + 1);
    }
    plain::KeyCounter key;
    for (std::size_t i = 0; i < m_count; ++i, key.Increment()) {
        if (forChange) {
            m_densityLines.push_back(static_cast<std::uint32_t>(lines.Position()));
        }
        if (const auto density = lines.NextPlainNumber(key)) {
            List.PushDensity(*density);
            continue;
        }
        const auto raw = lines.NextEntry(key);
        if (!raw) {
            return false;
        }
        const auto [density, written] = ReadDensity(*raw);
        m_changeable = m_changeable && written;
        List.PushDensity(density);
    }
    m_densityEnd = lines.Position();
    if (forChange) {
        m_densityLines.push_back(static_cast<std::uint32_t>(m_densityEnd));
    }
    return true;
}

bool PlainCatalogue::ReadPriceSections(plain::LineReader& lines, bool forChange) {
    bool priced = false;
    bool currency = false;
    while (!lines.AtEnd()) {
        const auto header = lines.Next();
        if (header == "[Price]" && !priced) {
            priced = true;
            List.MakeRoomForPrices();
            if (!ReadPrices(lines, forChange)) {
                return false;
            }
        } else if (header == "[Currency]" && !currency) {
            currency = true;
            if (!lines.SectionAhead() && !lines.AtEnd()) {
                const auto line = lines.Next();
                if (!line || !line->starts_with("Currency=")) {
                    return false;
                }
                Currency = IniFile::ValueByRules(line->substr(9));
            }
        } else {
            return false;
        }
    }
    return true;
}

bool PlainCatalogue::ReadPrices(plain::LineReader& lines, bool forChange) {
    // Each key once, in any order: a price set later is written after those the section holds.
    // Most often every material has a price, and the key expected next is the one the line holds.
    std::vector<char> seen(m_count); // bytes: a bit each costs more to set than the memory saved
    std::size_t expected = 0;
    plain::KeyCounter key;
    while (!lines.AtEnd() && !lines.SectionAhead()) {
        if (forChange) {
            m_priceLines.push_back(static_cast<std::uint32_t>(lines.Position()));
        }
        std::size_t index = expected;
        std::optional<double> price;
        if (const auto decimal = expected < m_count ? lines.NextDecimal(key) : std::nullopt) {
            price = PriceOf(*decimal);
        } else if (const auto value = expected < m_count ? lines.NextEntry(key) : std::nullopt) {
            price = ReadPriceText(IniFile::ValueByRules(*value));
        } else {
            const auto entry = lines.NextKeyed();
            if (!entry || entry->Key >= m_count) {
                return false;
            }
            index = entry->Key;
            key = plain::KeyCounter(index);
            price = ReadPriceText(IniFile::ValueByRules(entry->Value));
        }
        if (seen[index]) {
            return false;
        }
        seen[index] = 1;
        if (forChange) {
            m_priceKeys.push_back(static_cast<std::uint32_t>(index));
        }
        List.SetPrice(index, price);
        expected = index + 1;
        key.Increment();
    }
    if (forChange) {
        m_priceLines.push_back(static_cast<std::uint32_t>(lines.Position()));
    }
    return true;
}

std::string PlainCatalogue::Appended(MaterialView material) const {
    std::string out;
    out.reserve(m_text.size() + material.Name.size() + 64);
    PreferLargePages(out.data(), out.capacity());
    out.append(m_text.substr(0, m_countValue));
    AppendNumber(out, m_count + 1);
    out.append(m_text.substr(m_countLineEnd, m_densityHeader - m_countLineEnd));
    AppendNumber(out, m_count);
    out.append("=").append(material.Name).append(m_lineEnd);
    out.append(m_text.substr(m_densityHeader, m_densityEnd - m_densityHeader));
    AppendNumber(out, m_count);
    out.append("=").append(IntegerText(material.Density)).append(m_lineEnd);
    out.append(m_text.substr(m_densityEnd));
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
    if (m_priceLines.empty()) {
        out.append(m_text.substr(m_densityEnd));
        return out;
    }
    out.append(m_text.substr(m_densityEnd, m_priceLines.front() - m_densityEnd));
    CopyPricesWithout(out, position);
    out.append(m_text.substr(m_priceLines.back()));
    return out;
}

void PlainCatalogue::CopyPricesWithout(std::string& out, std::size_t removed) const {
    // As for the other sections, a key one lower has as many digits unless it is 10, 100 and so on:
    // the lines between such keys (and the removed one) are copied in one piece and the keys above
    // the removed one written over; the keys may stand in any order.
    const std::size_t lines = m_priceKeys.size();
    const auto shorter = [&](std::size_t key) { return key > removed && IsPowerOfTen(key); };
    const auto lineText = [&](std::size_t from, std::size_t to) {
        return m_text.substr(m_priceLines[from], m_priceLines[to] - m_priceLines[from]);
    };
    for (std::size_t line = 0; line < lines;) {
        const std::size_t key = m_priceKeys[line];
        if (key == removed) {
            ++line;
            continue;
        }
        if (shorter(key)) {
            AppendNumber(out, key - 1);
            out.append(lineText(line, line + 1).substr(KeyDigits(key)));
            ++line;
            continue;
        }
        std::size_t runEnd = line + 1;
        while (runEnd < lines && m_priceKeys[runEnd] != removed && !shorter(m_priceKeys[runEnd])) {
            ++runEnd;
        }
        const std::size_t copied = out.size();
        const std::size_t runStart = m_priceLines[line];
        out.append(lineText(line, runEnd));
        // Keys that follow each other, as they mostly do, are counted up rather than written anew;
        // within the run a key one lower has as many digits.
        plain::KeyCounter lower;
        std::size_t counted = SIZE_MAX; // the key `lower` holds, less one
        for (; line < runEnd; ++line) {
            const std::size_t key = m_priceKeys[line];
            if (key <= removed) {
                continue;
            }
            if (key - 1 != counted) {
                lower = plain::KeyCounter(key - 1);
            }
            char* written = out.data() + copied + (m_priceLines[line] - runStart);
            std::memcpy(written, lower.Text().data(), lower.Text().size());
            lower.Increment();
            counted = key;
        }
    }
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
    plain::KeyCounter key(removed);
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
