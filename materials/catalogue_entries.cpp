// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/catalogue_entries.h"

#include "calc/number_text.h"
#include "materials/catalogue_prices.h"
#include "materials/ini_file.h"
#include "materials/text_encoding.h"

#include <algorithm>
#include <charconv>

namespace volcalc {

namespace {

constexpr std::string_view CountSection = "Count";
constexpr std::string_view CountKey = "Count";
constexpr std::string_view NameSection = "Material";
constexpr std::string_view DensitySection = "Density";
// The sections that hold one line per entry, keyed by its index; an entry may have no price.
constexpr std::string_view EntrySections[] = {NameSection, DensitySection, PriceSection};

std::string Key(std::size_t index) {
    return IntegerText(static_cast<std::int64_t>(index));
}

// The lowest such entry, so that the message is the same each time.
std::optional<std::string> EntryBeyondCount(const IniFile& ini, std::string_view section,
                                            std::uint64_t count) {
    const auto lowest = ini.Document().LowestIndexKeyFrom(section, count);
    if (!lowest) {
        return std::nullopt;
    }
    return "[" + std::string(section) + "] holds entry " + std::to_string(*lowest) +
           ", at or beyond \"Count\" (" + std::to_string(count) + ")";
}

} // namespace

MaterialList ReadEntries(const IniFile& ini, std::vector<std::size_t>* unwritten) {
    MaterialList list;
    const std::int32_t count = ini.ReadInteger(CountSection, CountKey, 0);
    if (count <= 0) {
        return list;
    }
    const auto loaded = std::min<std::size_t>(static_cast<std::size_t>(count), MaxMaterials);
    list.reserve(loaded);
    std::vector<bool> changes(unwritten != nullptr ? loaded : 0);
    const auto mark = [&](std::size_t i) {
        if (unwritten != nullptr) {
            changes[i] = true;
        }
    };
    ini.ReadIndexed(NameSection, loaded, [&](std::size_t i, std::optional<std::string_view> raw) {
        if (!raw) {
            list.PushName(Key(i));
            mark(i);
            return;
        }
        const std::string_view name = IniFile::ValueByRules(*raw);
        list.PushName(name);
        if (name.size() != raw->size()) {
            mark(i);
        }
    });
    ini.ReadIndexed(DensitySection, loaded, [&](std::size_t i, std::optional<std::string_view> raw) {
        const auto density = raw ? ReadIntegerText(IniFile::ValueByRules(*raw)) : std::nullopt;
        list.PushDensity(density.value_or(1));
        if (unwritten != nullptr && !(raw && WrittenNumber(*raw))) {
            mark(i);
        }
    });
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (changes[i]) {
            unwritten->push_back(i);
        }
    }
    return list;
}

void AppendEntry(IniFile& ini, std::size_t count, MaterialView material) {
    ini.WriteInteger(CountSection, CountKey, static_cast<std::int32_t>(count + 1));
    const std::string key = Key(count);
    ini.WriteString(NameSection, key, material.Name);
    ini.WriteInteger(DensitySection, key, material.Density);
}

void RemoveEntry(IniFile& ini, std::size_t removed, std::size_t count) {
    ini.WriteInteger(CountSection, CountKey, static_cast<std::int32_t>(count - 1));
    for (const std::string_view section : EntrySections) {
        ini.RemoveIndexedKey(section, removed, count);
    }
}

std::optional<std::int32_t> WrittenNumber(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    char digits[16];
    const char* written = std::to_chars(digits, digits + sizeof digits, value).ptr;
    if (text != std::string_view(digits, static_cast<std::size_t>(written - digits))) {
        return std::nullopt; // "007", "-0"
    }
    return value;
}

std::optional<std::string> FindDamage(const IniFile& ini) {
    std::int64_t count = 0;
    if (const auto text = ini.Document().RawValue(CountSection, CountKey)) {
        const auto read = ReadIntegerText(ini.ReadString(CountSection, CountKey, ""));
        if (!read) {
            return "\"Count\" is not a number: " + std::string(Utf8Prefix(TrimBlanks(*text), 40));
        }
        if (static_cast<std::uint64_t>(std::max<std::int64_t>(*read, 0)) > MaxMaterials) {
            return "\"Count\" is " + std::to_string(*read) + ", more than the " +
                   std::to_string(MaxMaterials) + " materials the program lists";
        }
        count = std::max<std::int64_t>(*read, 0);
    }
    for (const std::string_view section : EntrySections) {
        if (auto found = EntryBeyondCount(ini, section, static_cast<std::uint64_t>(count))) {
            return found;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindEntry(const MaterialList& list, std::size_t near, MaterialView material) {
    const std::size_t size = list.size();
    const auto matches = [&](std::size_t i) { return list[i].SameMaterial(material); };
    for (std::size_t distance = 0; distance <= std::max(near, size); ++distance) {
        if (near + distance < size && matches(near + distance)) {
            return near + distance;
        }
        if (distance > 0 && distance <= near && near - distance < size && matches(near - distance)) {
            return near - distance;
        }
    }
    return std::nullopt;
}

} // namespace volcalc
