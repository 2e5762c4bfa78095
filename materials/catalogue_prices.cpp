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

CataloguePrices::CataloguePrices(std::vector<std::optional<double>> prices, std::string currency)
    : m_prices(std::move(prices)), m_currency(std::move(currency)),
      m_any(std::any_of(m_prices.begin(), m_prices.end(),
                        [](const auto& price) { return price.has_value(); })) {}

void CataloguePrices::Remove(std::size_t position) {
    if (position < m_prices.size()) {
        m_prices.erase(m_prices.begin() + static_cast<std::ptrdiff_t>(position));
        m_any = std::any_of(m_prices.begin(), m_prices.end(),
                            [](const auto& price) { return price.has_value(); });
    }
}

bool operator==(const CataloguePrices& a, const CataloguePrices& b) {
    if (a.m_currency != b.m_currency || a.m_any != b.m_any) {
        return false;
    }
    for (std::size_t i = 0; i < std::max(a.m_prices.size(), b.m_prices.size()); ++i) {
        if (a.At(i) != b.At(i)) {
            return false;
        }
    }
    return true;
}

CataloguePrices CataloguePrices::Read(const IniFile& ini, std::size_t count, bool written) {
    CataloguePrices prices;
    if (!written && !MayHoldPrices(ini.Text())) {
        return prices;
    }
    prices.m_currency = ini.ReadString(CurrencySection, CurrencyKey, "");
    prices.m_prices.resize(count);
    ini.ReadIndexed(PriceSection, count, [&](std::size_t i, std::optional<std::string_view> raw) {
        if (raw) {
            prices.m_prices[i] = ReadPriceText(IniFile::ValueByRules(*raw));
            prices.m_any = prices.m_any || prices.m_prices[i].has_value();
        }
    });
    return prices;
}

void WritePrices(IniFile& ini, const std::vector<PriceChange>& changes,
                 const std::optional<std::string>& currency) {
    for (const PriceChange& change : changes) {
        if (change.Price) {
            ini.WriteString(PriceSection, Key(change.Position), PriceText(*change.Price));
        } else {
            ini.DeleteKey(PriceSection, Key(change.Position));
        }
    }
    if (currency) {
        if (currency->empty()) {
            ini.DeleteKey(CurrencySection, CurrencyKey);
        } else {
            ini.WriteString(CurrencySection, CurrencyKey, *currency);
        }
    }
}

} // namespace volcalc
