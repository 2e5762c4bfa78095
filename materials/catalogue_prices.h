// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prices per kilogram in the catalogue: "[Price]" keyed like "[Density]" ("3=12.5", "." as
// separator), an entry without a price having no key, and the currency once in "[Currency]"
// ("Currency=EUR"). A program that knows only "[Count]", "[Material]" and "[Density]" passes
// these sections by, and a file without them reads as it always did. A removal moves "[Price]"
// in step with the other entry sections (RemoveEntry), so each price stays with its material.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

class IniFile;

inline constexpr std::string_view PriceSection = "Price";
inline constexpr std::string_view CurrencySection = "Currency";
inline constexpr std::string_view CurrencyKey = "Currency";

// The prices of a catalogue's materials, by position in the list, and its currency.
class CataloguePrices {
public:
    CataloguePrices() = default;
    // Prices read otherwise (a catalogue laid out plainly), by position.
    CataloguePrices(std::vector<std::optional<double>> prices, std::string currency);

    // The price of the material at that position; none for one without a price.
    std::optional<double> At(std::size_t position) const {
        return position < m_prices.size() ? m_prices[position] : std::nullopt;
    }
    bool Any() const { return m_any; }
    const std::string& Currency() const { return m_currency; }

    // Read from a catalogue of `count` entries; a price that is not a number, negative or beyond
    // LargestPrice reads as none. A text without the sections costs nothing more to read, unless
    // `written` says that prices were written to it since it was read.
    static CataloguePrices Read(const IniFile& ini, std::size_t count, bool written = false);

    // The prices once the material at that position is removed, those after it one place lower.
    void Remove(std::size_t position);

    // Alike when every position has the same price or none, and the currency is the same.
    friend bool operator==(const CataloguePrices& a, const CataloguePrices& b);

private:
    std::vector<std::optional<double>> m_prices;
    std::string m_currency;
    bool m_any = false;
};

// A price to set (or, empty, to clear) for the material at a position.
struct PriceChange {
    std::size_t Position = 0;
    std::optional<double> Price;
};

// Writes the prices given, and the currency when one is given (empty: none); nothing else changes.
void WritePrices(IniFile& ini, const std::vector<PriceChange>& changes,
                 const std::optional<std::string>& currency);

// Whether the text may hold prices or a currency at all: a catalogue without is never taken apart
// to look for them.
bool MayHoldPrices(std::string_view text);

} // namespace volcalc
