// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/ini_document.h"

#include "materials/large_pages.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>

namespace volcalc {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The number a key names when it is written as a decimal index: digits only, no leading zero.
std::optional<std::uint64_t> IndexOf(std::string_view key) {
    if (key.empty() || key.size() > 18 || (key.size() > 1 && key.front() == '0')) {
        return std::nullopt;
    }
    std::uint64_t index = 0;
    for (const char c : key) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        index = index * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return index;
}

} // namespace

std::size_t IniDocument::FoldedHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(Folded(c))) * 1099511628211ull;
    }
    return hash;
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

IniDocument IniDocument::Parse(std::string_view text) {
    return ParseOwned(std::string(text));
}

IniDocument IniDocument::ParseOwned(std::string text) {
    return ParseShared(std::make_shared<const std::string>(std::move(text)));
}

IniDocument IniDocument::ParseShared(std::shared_ptr<const std::string> text) {
    IniDocument document;
    document.m_parsed = std::move(text);
    const std::string_view all = *document.m_parsed;
    const std::size_t firstEnd = all.find('\n');
    if (firstEnd != std::string_view::npos && firstEnd > 0 && all[firstEnd - 1] == '\r') {
        document.LineEnd = "\r\n";
    }
    std::size_t start = 0;
    while (start < all.size()) {
        const void* found = std::memchr(all.data() + start, '\n', all.size() - start);
        const std::size_t end = found != nullptr
                                    ? static_cast<std::size_t>(static_cast<const char*>(found) - all.data())
                                    : all.size();
        std::size_t length = end - start;
        if (length > 0 && all[end - 1] == '\r') {
            --length;
        }
        document.AddLine(start, length);
        start = end + 1;
    }
    document.SetAsideTrailingBlanks();
    return document;
}

std::string_view IniDocument::Text(const Line& line) const {
    if (line.Owned) {
        return std::string_view(m_owned).substr(line.Start, line.Length);
    }
    return std::string_view(*m_parsed).substr(line.Start, line.Length);
}

IniDocument::Line IniDocument::OwnedLine(std::string_view key, std::string_view value) {
    const std::less<const char*> before;
    const auto written = [&](std::string_view part) {
        return !before(part.data(), m_owned.data()) && before(part.data(), m_owned.data() + m_owned.size());
    };
    const std::size_t start = m_owned.size();
    if (written(key) || written(value)) {
        // Taken from a written line itself, which growing the written lines may move.
        m_owned.append(std::string(key) + "=" + std::string(value));
    } else {
        m_owned.append(key).append("=").append(value);
    }
    return {start, static_cast<std::uint32_t>(m_owned.size() - start),
            static_cast<std::uint32_t>(key.size() + 1), true};
}

// A catalogue's own lines are "index=value" in counting order; such a line takes the next place
// in the table without the general reading below, which would come to the same.
bool IniDocument::AddNextIndexedLine(std::size_t start, std::string_view text) {
    Section& section = m_sections.back();
    const std::size_t next = section.Numbered.size();
    if (!section.Keys.empty() || next >= 2 * (section.Lines.size() + 1) + 1024) {
        return false;
    }
    std::size_t digits = 0;
    std::uint64_t index = 0;
    while (digits < text.size() && digits <= 18 && text[digits] >= '0' && text[digits] <= '9') {
        index = index * 10 + static_cast<std::uint64_t>(text[digits] - '0');
        ++digits;
    }
    if (digits == 0 || digits > 18 || digits == text.size() || text[digits] != '=' ||
        (digits > 1 && text.front() == '0') || index != next) {
        return false;
    }
    section.Numbered.push_back(static_cast<std::uint32_t>(section.Lines.size()));
    section.Lines.push_back(
        {start, static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(digits + 1), false});
    return true;
}

void IniDocument::AddLine(std::size_t start, std::size_t length) {
    const std::string_view text = std::string_view(*m_parsed).substr(start, length);
    if (AddNextIndexedLine(start, text)) {
        return;
    }
    const std::string_view trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::string_view inside = trimmed.substr(1);
        StartSection(text, TrimBlanks(inside.substr(0, inside.find(']'))));
        return;
    }
    Section& section = m_sections.back();
    const std::size_t equals = text.find('=');
    const bool comment = !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
    const auto length32 = static_cast<std::uint32_t>(length);
    if (comment || equals == std::string_view::npos) {
        section.Lines.push_back({start, length32, NotAKey, false});
        return;
    }
    IndexKey(section, TrimBlanks(text.substr(0, equals)), static_cast<std::uint32_t>(section.Lines.size()));
    section.Lines.push_back({start, length32, static_cast<std::uint32_t>(equals + 1), false});
}

void IniDocument::StartSection(std::string_view headerLine, std::string_view name) {
    SetAsideTrailingBlanks();
    const Line header{static_cast<std::size_t>(headerLine.data() - m_parsed->data()),
                      static_cast<std::uint32_t>(headerLine.size()), NotAKey, false};
    m_sections.push_back({std::string(headerLine), std::string(name), {}, {}, {}, {}, EndingOf(header)});
    m_sectionIndex.try_emplace(std::string(name), static_cast<std::uint32_t>(m_sections.size() - 1));
}

void IniDocument::SetAsideTrailingBlanks() {
    Section& section = m_sections.back();
    auto& lines = section.Lines;
    while (!lines.empty() && lines.back().ValueStart == NotAKey && TrimBlanks(Text(lines.back())).empty()) {
        section.TrailingBlanks.push_back(lines.back());
        lines.pop_back();
    }
    std::reverse(section.TrailingBlanks.begin(), section.TrailingBlanks.end());
}

// Only the first key of a name is indexed. A decimal index goes into the table while the table
// stays within a small multiple of the section's lines, so that a key such as 999999999 cannot
// make it huge; beyond that it is hashed like any other name.
void IniDocument::IndexKey(Section& section, std::string_view key, std::uint32_t position) {
    const auto index = IndexOf(key);
    if (FindKey(section, key, index) != NoLine) {
        return;
    }
    if (index && *index < 2 * (section.Lines.size() + 1) + 1024) {
        // Keys in counting order, as catalogues write them, just extend the table.
        if (*index == section.Numbered.size()) {
            section.Numbered.push_back(position);
            return;
        }
        if (*index > section.Numbered.size()) {
            section.Numbered.resize(static_cast<std::size_t>(*index) + 1, NoLine);
        }
        section.Numbered[static_cast<std::size_t>(*index)] = position;
        return;
    }
    section.Keys.try_emplace(std::string(key), position);
}

std::size_t IniDocument::FindSection(std::string_view name) const {
    if (m_lastSection != 0 && FoldedEqual{}(m_sections[m_lastSection].Name, name)) {
        return m_lastSection;
    }
    const auto found = m_sectionIndex.find(name);
    if (found == m_sectionIndex.end()) {
        return 0;
    }
    m_lastSection = found->second;
    return m_lastSection;
}

std::uint32_t IniDocument::FindKey(const Section& section, std::string_view key) {
    return FindKey(section, key, IndexOf(key));
}

std::uint32_t IniDocument::FindKey(const Section& section, std::string_view key,
                                   std::optional<std::uint64_t> index) {
    if (index && *index < section.Numbered.size()) {
        const std::uint32_t position = section.Numbered[static_cast<std::size_t>(*index)];
        if (position != NoLine) {
            return position;
        }
    }
    if (section.Keys.empty()) {
        return NoLine;
    }
    const auto found = section.Keys.find(key);
    return found == section.Keys.end() ? NoLine : found->second;
}

IniDocument::Section& IniDocument::SectionForWriting(std::string_view name) {
    const std::size_t position = FindSection(name);
    if (position != 0) {
        return m_sections[position];
    }
    m_sections.push_back(
        {"[" + std::string(name) + "]", std::string(name), {}, {}, {}, {}, Ending::Document});
    m_sectionIndex.emplace(std::string(name), static_cast<std::uint32_t>(m_sections.size() - 1));
    return m_sections.back();
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return std::nullopt;
    }
    const Section& found = m_sections[sectionPosition];
    const std::uint32_t position = FindKey(found, key);
    if (position == NoLine) {
        return std::nullopt;
    }
    const Line& line = found.Lines[position];
    return Text(line).substr(line.ValueStart);
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = SectionForWriting(section);
    const std::uint32_t position = FindKey(target, key);
    if (position == NoLine) {
        const auto added = static_cast<std::uint32_t>(target.Lines.size());
        IndexKey(target, key, added);
        target.Lines.push_back(OwnedLine(key, value));
        return;
    }
    Line& line = target.Lines[position];
    const std::string_view text = Text(line);
    if (text.substr(line.ValueStart) == value) {
        return; // an unchanged line keeps its spelling and spacing
    }
    // The key keeps the spelling the file gave it, the line its end.
    const Ending end = EndingOf(line);
    line = OwnedLine(TrimBlanks(text.substr(0, line.ValueStart - 1)), value);
    line.End = end;
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return;
    }
    Section& found = m_sections[sectionPosition];
    const std::uint32_t position = FindKey(found, key);
    if (position == NoLine) {
        return;
    }
    // Left in place as a gap, so the positions held by the index stay valid.
    found.Lines[position] = {0, 0, Deleted, false};
    const auto index = IndexOf(key);
    if (index && *index < found.Numbered.size() &&
        found.Numbered[static_cast<std::size_t>(*index)] == position) {
        found.Numbered[static_cast<std::size_t>(*index)] = NoLine;
    } else {
        found.Keys.erase(found.Keys.find(key));
    }
}

IniDocument::Ending IniDocument::EndingOf(const Line& line) const {
    if (line.Owned) {
        return line.End;
    }
    const std::string_view after = std::string_view(*m_parsed).substr(line.Start + line.Length);
    if (after.starts_with(LineEnd)) {
        return Ending::Document;
    }
    if (after.starts_with("\r\n")) {
        return Ending::CrLf;
    }
    return after.starts_with('\n') ? Ending::Lf : Ending::None;
}

IniDocument::Line IniDocument::RenamedLine(const Line& line, std::string_view key, std::uint64_t index) {
    char digits[24];
    const char* digitsEnd = std::to_chars(digits, digits + sizeof digits, index).ptr;
    const std::string_view name(digits, static_cast<std::size_t>(digitsEnd - digits));
    const std::string_view text = Text(line);
    const auto keyAt = static_cast<std::size_t>(key.data() - text.data());
    const std::size_t start = m_owned.size();
    const auto append = [&](std::string_view before, std::string_view after) {
        m_owned.append(before).append(name).append(after);
    };
    if (line.Owned) { // a part of the written lines, which growing them may move
        const std::string copy(text);
        append(std::string_view(copy).substr(0, keyAt), std::string_view(copy).substr(keyAt + key.size()));
    } else {
        append(text.substr(0, keyAt), text.substr(keyAt + key.size()));
    }
    const auto shift = static_cast<std::int64_t>(name.size()) - static_cast<std::int64_t>(key.size());
    return {start, static_cast<std::uint32_t>(m_owned.size() - start),
            static_cast<std::uint32_t>(static_cast<std::int64_t>(line.ValueStart) + shift), true,
            EndingOf(line)};
}

void IniDocument::Reindex(Section& section) const {
    section.Numbered.clear();
    section.Keys.clear();
    for (std::size_t i = 0; i < section.Lines.size(); ++i) {
        const Line& line = section.Lines[i];
        if (line.ValueStart != NotAKey && line.ValueStart != Deleted) {
            IndexKey(section, TrimBlanks(Text(line).substr(0, line.ValueStart - 1)),
                     static_cast<std::uint32_t>(i));
        }
    }
}

void IniDocument::RemoveIndexedKey(std::string_view section, std::uint64_t removed, std::uint64_t count) {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return;
    }
    Section& found = m_sections[sectionPosition];
    for (Line& line : found.Lines) {
        if (line.ValueStart == NotAKey || line.ValueStart == Deleted) {
            continue;
        }
        const std::string_view key = TrimBlanks(Text(line).substr(0, line.ValueStart - 1));
        const auto index = IndexOf(key);
        if (!index || *index < removed || *index >= count) {
            continue;
        }
        line = *index == removed ? Line{0, 0, Deleted, false} : RenamedLine(line, key, *index - 1);
    }
    Reindex(found);
}

void IniDocument::VisitIndexed(
    std::string_view section, std::size_t count,
    const std::function<void(std::size_t index, std::optional<std::string_view> raw)>& visit) const {
    const std::size_t sectionPosition = FindSection(section);
    const Section* found = sectionPosition != 0 ? &m_sections[sectionPosition] : nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t position = NoLine;
        if (found != nullptr) {
            position = i < found->Numbered.size() ? found->Numbered[i] : NoLine;
            if (position == NoLine && !found->Keys.empty()) {
                position = FindKey(*found, std::to_string(i));
            }
        }
        if (position == NoLine) {
            visit(i, std::nullopt);
        } else {
            const Line& line = found->Lines[position];
            visit(i, Text(line).substr(line.ValueStart));
        }
    }
}

std::optional<std::uint64_t> IniDocument::LowestIndexKeyFrom(std::string_view section,
                                                             std::uint64_t from) const {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return std::nullopt;
    }
    const Section& found = m_sections[sectionPosition];
    std::optional<std::uint64_t> lowest;
    for (std::size_t i = static_cast<std::size_t>(std::min<std::uint64_t>(from, found.Numbered.size()));
         i < found.Numbered.size(); ++i) {
        if (found.Numbered[i] != NoLine) {
            lowest = i;
            break;
        }
    }
    for (const auto& [key, position] : found.Keys) {
        if (const auto index = IndexOf(key); index && *index >= from && (!lowest || *index < *lowest)) {
            lowest = index;
        }
    }
    return lowest;
}

// Lines that stand in the parsed text as they are to be written, each followed by the line end in
// force, are copied as one run; only the lines around them are put together one by one.
std::string IniDocument::Serialize() const {
    std::string out;
    out.reserve(m_parsed->size() + m_parsed->size() / 8 + 64);
    PreferLargePages(out.data(), out.capacity());
    if (ByteOrderMark) {
        out = "\xEF\xBB\xBF";
    }
    const std::string_view parsed = *m_parsed;
    std::size_t runStart = 0;
    std::size_t runEnd = 0;
    // A line the file left without an end gets one only when something follows it.
    bool endOwed = false;
    const auto flush = [&] {
        out.append(parsed.substr(runStart, runEnd - runStart));
        runStart = runEnd = 0;
    };
    const auto appendLine = [&](std::string_view text, Ending end = Ending::Document) {
        flush();
        if (endOwed) {
            out.append(LineEnd);
            endOwed = false;
        }
        out.append(text);
        switch (end) {
        case Ending::Document:
            out.append(LineEnd);
            break;
        case Ending::Lf:
            out.append("\n");
            break;
        case Ending::CrLf:
            out.append("\r\n");
            break;
        case Ending::None:
            endOwed = true;
            break;
        }
    };
    const auto appendParsed = [&](const Line& line) {
        const std::size_t end = line.Start + line.Length;
        if (line.Owned || parsed.substr(end, LineEnd.size()) != LineEnd) {
            appendLine(Text(line), EndingOf(line));
            return;
        }
        if (runEnd != line.Start || runEnd == 0) {
            flush();
            runStart = line.Start;
        }
        runEnd = end + LineEnd.size();
    };
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i != 0) {
            appendLine(section.Header, section.HeaderEnd);
        }
        for (const Line& line : section.Lines) {
            if (line.ValueStart != Deleted) {
                appendParsed(line);
            }
        }
        for (const Line& blank : section.TrailingBlanks) {
            appendParsed(blank);
        }
    }
    flush();
    return out;
}

} // namespace volcalc
