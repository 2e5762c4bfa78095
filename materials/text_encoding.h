// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace volcalc {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 text as UTF-8. The five bytes that code page leaves undefined map to the C1 controls
// of the same number, as the system's own conversion does, so no byte is ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 text as Windows-1252, or nothing when a character has no place in that code page (the C1
// controls that Windows1252ToUtf8 gives the five undefined bytes go back to those bytes).
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

// The number of characters of UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first maxChars characters of UTF-8 text, never splitting a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars);

} // namespace volcalc
