// SPDX-License-Identifier: GPL-3.0-or-later
// INI layer: any file parses; a sequence of writes and deletes reads back by the rules after
// the document is written out and parsed again.
#include "materials/ini_document.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Consumes the fuzz input piece by piece.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return Empty() ? 0 : m_data[m_pos++]; }
    // A short name or value from a small alphabet, so that names meet again.
    std::string Word(bool value) {
        static constexpr char Names[] = "abAB01 _.";
        static constexpr char Values[] = "abAB01 _.=;#[]\"'";
        const std::size_t length = Byte() % 5 + (value ? 0 : 1);
        std::string word;
        for (std::size_t i = 0; i < length; ++i) {
            word += value ? Values[Byte() % (sizeof Values - 1)] : Names[Byte() % (sizeof Names - 1)];
        }
        return word;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

bool UsableName(std::string_view name) {
    return !name.empty() && name.front() != ' ' && name.back() != ' ';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t split = size / 2;
    const std::string_view original(reinterpret_cast<const char*>(data), split);
    const std::string foldedOriginal = Folded(original);
    volcalc::IniDocument document = volcalc::IniDocument::Parse(original);
    Input input(data + split, size - split);
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> expected;
    const std::string prefix = "fz";
    while (!input.Empty()) {
        const std::string section = prefix + input.Word(false);
        const std::string key = input.Word(false);
        if (!UsableName(section) || !UsableName(key) || key.front() == ';' || key.front() == '#' ||
            key.front() == '[') {
            continue;
        }
        const auto id = std::make_pair(Folded(section), Folded(key));
        if (foldedOriginal.find(id.first) != std::string::npos) {
            continue; // a section of the file itself, which may repeat its keys
        }
        if (input.Byte() % 4 == 0) {
            document.DeleteKey(section, key);
            if (expected.count(id)) {
                expected[id] = std::nullopt;
            }
        } else {
            const std::string value = std::string(volcalc::TrimBlanks(input.Word(true)));
            document.SetValue(section, key, value);
            expected[id] = value;
        }
    }
    const std::string written = document.Serialize();
    const volcalc::IniDocument reread = volcalc::IniDocument::Parse(written);
    for (const auto& [id, value] : expected) {
        const auto got = reread.RawValue(id.first, id.second);
        const std::optional<std::string> text =
            got ? std::optional<std::string>(std::string(*got)) : std::nullopt;
        if (text != value && !(text && value && std::string(volcalc::TrimBlanks(*text)) == *value)) {
            std::fprintf(stderr, "[%s] %s: wrote %s, read %s\n", id.first.c_str(), id.second.c_str(),
                         value ? value->c_str() : "(deleted)", text ? text->c_str() : "(absent)");
            std::abort();
        }
    }
    return 0;
}
