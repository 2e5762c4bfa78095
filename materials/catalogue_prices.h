// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prices per kilogram in the catalogue: "[Price]" keyed like "[Density]" ("3=12.5", "." as
// separator), an entry without a price having no key, and the currency once in "[Currency]"
// ("Currency=EUR"). A program that knows only "[Count]", "[Material]" and "[Density]" passes
// these sections by, and a file without them reads as it always did. A removal moves "[Price]"
// in step with the other entry sections (RemoveEntry), so each price stays with its material.

#include "materials/material_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace volcalc {

class IniFile;

inline constexpr std::string_view PriceSection = "Price";
inline constexpr std::string_view CurrencySection = "Currency";
inline constexpr std::string_view CurrencyKey = "Currency";

// Reads the price of every material of the list from "[Price]", a price that is not a number,
// negative or beyond LargestPrice reading as none, and gives the currency. A text without the
// sections costs nothing more to read, unless `written` says that prices were written to it since
// it was read.
std::string ReadPrices(const IniFile& ini, MaterialList& list, bool written = false);

// Writes the price of the entry at that position (none: no key); nothing else changes.
void WritePrice(IniFile& ini, std::size_t position, std::optional<double> price);
// Writes the currency (empty: none).
void WriteCurrency(IniFile& ini, const std::string& currency);

// Whether the text may hold prices or a currency at all: a catalogue without is never taken apart
// to look for them.
bool MayHoldPrices(std::string_view text);

} // namespace volcalc
