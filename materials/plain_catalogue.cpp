// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/plain_catalogue.h"

#include "calc/number_text.h"
#include "materials/ini_document.h"
#include "materials/ini_file.h"
#include "materials/large_pages.h"
#include "materials/plain_lines.h"

#include <charconv>

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

void AppendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
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
        !plain.ReadDensities(lines, forChange) || !lines.AtEnd()) {
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
        const auto raw = lines.NextEntry(key.Text());
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
        if (const auto density = lines.NextPlainNumber(key.Text())) {
            List.PushDensity(*density);
            continue;
        }
        const auto raw = lines.NextEntry(key.Text());
        if (!raw) {
            return false;
        }
        const auto [density, written] = ReadDensity(*raw);
        m_changeable = m_changeable && written;
        List.PushDensity(density);
    }
    if (forChange) {
        m_densityLines.push_back(static_cast<std::uint32_t>(m_text.size()));
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
    out.append(m_text.substr(m_densityHeader));
    AppendNumber(out, m_count);
    out.append("=").append(IntegerText(material.Density)).append(m_lineEnd);
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
