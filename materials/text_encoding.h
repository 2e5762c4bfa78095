#pragma once

#include <string>
#include <string_view>

namespace volcalc {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 text as UTF-8. The five bytes that code page leaves undefined map to the C1 controls
// of the same number, as the system's own conversion does, so no byte is ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);

// Catalogue files are UTF-8; a file that is not is taken to come from an older 8-bit system.
std::string TextAsUtf8(std::string bytes);

// The first maxChars characters of UTF-8 text, never splitting a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars);

} // namespace volcalc
