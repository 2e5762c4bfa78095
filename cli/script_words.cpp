// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_words.h"

#include "script_line_error.h"

namespace volcalc::cli {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

void SplitWords(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                throw LineError("unclosed double quote");
            }
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        words.push_back(line.substr(start, i - start));
    }
}

bool IsIgnoredLine(std::string_view line) {
    for (char c : line) {
        if (!IsBlank(c)) {
            return c == '#';
        }
    }
    return true;
}

} // namespace volcalc::cli
