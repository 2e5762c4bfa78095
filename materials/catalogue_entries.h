// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_list.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

class IniFile;

// The most materials the catalogue lists; a file with more is loaded cut to this many.
inline constexpr std::size_t MaxMaterials = 1000000;

// The list as the file holds it: "Count" entries (at most MaxMaterials), each missing name listed
// as its index and each missing or unreadable density as 1. `unwritten`, when given, receives in
// ascending order the positions whose entry would change if the list were written back: missing
// keys, and values that do not read back as themselves (quotes, blanks, "0x1EAA").
MaterialList ReadEntries(const IniFile& ini, std::vector<std::size_t>* unwritten = nullptr);

// Appends the material as entry `count` and writes "Count"; no other line changes.
void AppendEntry(IniFile& ini, std::size_t count, MaterialView material);

// Removes entry `removed` of `count` from every section keyed by entry: the lines above it move
// down one key with their text as it stands, a missing line stays missing, and "Count" is written.
void RemoveEntry(IniFile& ini, std::size_t removed, std::size_t count);

// The number when the text is one as writing it gives (decimal, no leading zero or "+"), or nothing.
std::optional<std::int32_t> WrittenNumber(std::string_view text);

// What makes a change unsafe: a "Count" that cannot be read or lists more than MaxMaterials, or an
// entry at or beyond "Count", which a change would write over or leave behind. Nothing for a sound
// file (an absent one included).
std::optional<std::string> FindDamage(const IniFile& ini);

// The position of that material (name and density, whatever its price) nearest to `near`, looking
// at `near` first.
std::optional<std::size_t> FindEntry(const MaterialList& list, std::size_t near, MaterialView material);

} // namespace volcalc
