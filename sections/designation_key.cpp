// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/designation_key.h"

#include <algorithm>
#include <vector>

namespace volcalc::sections {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "he200a" -> "hea200": the series letter after the size moves before it.
std::string WithSeriesFirst(std::string key) {
    if (key.size() < 4 || !key.starts_with("he")) {
        return key;
    }
    const char series = key.back();
    if (series != 'a' && series != 'b' && series != 'm') {
        return key;
    }
    const std::string_view size = std::string_view(key).substr(2, key.size() - 3);
    if (!std::all_of(size.begin(), size.end(), IsDigit)) {
        return key;
    }
    return std::string("he") + series + std::string(size);
}

} // namespace

std::string DesignationKey(std::string_view designation) {
    std::string key;
    key.reserve(designation.size());
    for (const char c : designation) {
        if (!IsBlank(c)) {
            key.push_back(Lower(c));
        }
    }
    return WithSeriesFirst(std::move(key));
}

std::size_t EditDistance(std::string_view from, std::string_view to) {
    std::vector<std::size_t> previous(to.size() + 1);
    std::vector<std::size_t> current(to.size() + 1);
    for (std::size_t j = 0; j <= to.size(); ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t replace = previous[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            current[j] = std::min({replace, previous[j] + 1, current[j - 1] + 1});
        }
        std::swap(previous, current);
    }
    return previous[to.size()];
}

} // namespace volcalc::sections
