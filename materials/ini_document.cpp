#include "materials/ini_document.h"

#include <algorithm>

namespace volcalc {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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
    IniDocument document;
    const std::size_t firstEnd = text.find('\n');
    if (firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r') {
        document.LineEnd = "\r\n";
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        document.AddLine(line);
        start = end + 1;
    }
    document.SetAsideTrailingBlanks();
    return document;
}

void IniDocument::AddLine(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::string_view inside = trimmed.substr(1);
        StartSection(text, TrimBlanks(inside.substr(0, inside.find(']'))));
        return;
    }
    Section& section = m_sections.back();
    const std::size_t equals = text.find('=');
    const bool comment = !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
    if (comment || equals == std::string_view::npos) {
        section.Lines.push_back({std::string(text), NotAKey});
        return;
    }
    IndexKey(section, TrimBlanks(text.substr(0, equals)), section.Lines.size());
    section.Lines.push_back({std::string(text), equals + 1});
}

void IniDocument::StartSection(std::string_view headerLine, std::string_view name) {
    SetAsideTrailingBlanks();
    m_sections.push_back({std::string(headerLine), {}, {}, {}});
    m_sectionIndex.try_emplace(std::string(name), m_sections.size() - 1);
}

void IniDocument::SetAsideTrailingBlanks() {
    Section& section = m_sections.back();
    auto& lines = section.Lines;
    while (!lines.empty() && lines.back().ValueStart == NotAKey && TrimBlanks(lines.back().Text).empty()) {
        section.TrailingBlanks.push_back(std::move(lines.back().Text));
        lines.pop_back();
    }
    std::reverse(section.TrailingBlanks.begin(), section.TrailingBlanks.end());
}

void IniDocument::IndexKey(Section& section, std::string_view key, std::size_t position) {
    section.Keys.try_emplace(std::string(key), position);
}

std::size_t IniDocument::FindSection(std::string_view name) const {
    const auto found = m_sectionIndex.find(name);
    return found == m_sectionIndex.end() ? 0 : found->second;
}

std::size_t IniDocument::FindKey(const Section& section, std::string_view key) {
    const auto found = section.Keys.find(key);
    return found == section.Keys.end() ? Deleted : found->second;
}

IniDocument::Section& IniDocument::SectionForWriting(std::string_view name) {
    const std::size_t position = FindSection(name);
    if (position != 0) {
        return m_sections[position];
    }
    m_sections.push_back({"[" + std::string(name) + "]", {}, {}, {}});
    m_sectionIndex.emplace(std::string(name), m_sections.size() - 1);
    return m_sections.back();
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return std::nullopt;
    }
    const Section& found = m_sections[sectionPosition];
    const std::size_t position = FindKey(found, key);
    if (position == Deleted) {
        return std::nullopt;
    }
    const Line& line = found.Lines[position];
    return std::string_view(line.Text).substr(line.ValueStart);
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = SectionForWriting(section);
    const std::size_t position = FindKey(target, key);
    if (position == Deleted) {
        IndexKey(target, key, target.Lines.size());
        target.Lines.push_back({std::string(key) + "=" + std::string(value), key.size() + 1});
        return;
    }
    Line& line = target.Lines[position];
    const std::string_view text = line.Text;
    if (text.substr(line.ValueStart) == value) {
        return; // an unchanged line keeps its spelling and spacing
    }
    // The key keeps the spelling the file gave it.
    std::string keyText(TrimBlanks(text.substr(0, line.ValueStart - 1)));
    line.ValueStart = keyText.size() + 1;
    line.Text = std::move(keyText.append("=").append(value));
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const std::size_t sectionPosition = FindSection(section);
    if (sectionPosition == 0) {
        return;
    }
    Section& found = m_sections[sectionPosition];
    const std::size_t position = FindKey(found, key);
    if (position == Deleted) {
        return;
    }
    // Left in place as a gap, so the positions held by the index stay valid.
    found.Lines[position] = {std::string(), Deleted};
    found.Keys.erase(found.Keys.find(key));
}

std::string IniDocument::Serialize() const {
    std::string out;
    if (ByteOrderMark) {
        out = "\xEF\xBB\xBF";
    }
    const auto appendLine = [&](const std::string& text) {
        out.append(text);
        out.append(LineEnd);
    };
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i != 0) {
            appendLine(section.Header);
        }
        for (const Line& line : section.Lines) {
            if (line.ValueStart != Deleted) {
                appendLine(line.Text);
            }
        }
        for (const std::string& blank : section.TrailingBlanks) {
            appendLine(blank);
        }
    }
    return out;
}

} // namespace volcalc
