// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_prices.h"

#include "calc/number_text.h"
#include "calc/price.h"
#include "materials/ini_file.h"

#include <algorithm>
#include <cctype>

namespace volcalc {
namespace {

std::string Key(std::size_t index) {
    return IntegerText(static_cast<std::int64_t>(index));
}

// Section names are compared without regard to letter case, as the reading does.
bool HoldsHeader(std::string_view text, std::string_view name) {
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (std::size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (rest.size() > name.size() && rest[name.size()] == ']' &&
            std::equal(name.begin(), name.end(), rest.begin(), same)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool MayHoldPrices(std::string_view text) {
    return HoldsHeader(text, PriceSection) || HoldsHeader(text, CurrencySection);
}

std::string ReadPrices(const IniFile& ini, MaterialList& list, bool written) {
    list.ClearPrices();
    if (!written && !MayHoldPrices(ini.Text())) {
        return std::string();
    }
    ini.ReadIndexed(PriceSection, list.size(), [&](std::size_t i, std::optional<std::string_view> raw) {
        if (raw) {
            list.SetPrice(i, ReadPriceText(IniFile::ValueByRules(*raw)));
        }
    });
    return ini.ReadString(CurrencySection, CurrencyKey, "");
}

void WritePrice(IniFile& ini, std::size_t position, std::optional<double> price) {
    if (price) {
        ini.WriteString(PriceSection, Key(position), PriceText(*price));
    } else {
        ini.DeleteKey(PriceSection, Key(position));
    }
}

void WriteCurrency(IniFile& ini, const std::string& currency) {
    if (currency.empty()) {
        ini.DeleteKey(CurrencySection, CurrencyKey);
    } else {
        ini.WriteString(CurrencySection, CurrencyKey, currency);
    }
}

} // namespace volcalc
