// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string_view>

namespace volcalc {

// A figure of a JSON document as the JSON library writes it: the shortest text that reads back as
// the same double, ".0" on whole numbers, null when not finite. Every JSON writer of the program
// writes its figures through here, so that the documents agree to the byte.
void JsonNumber(std::ostream& out, double value);

// A text of a JSON document as the JSON library writes it: quoted, no ASCII escaping, bytes that are
// not UTF-8 replaced.
void JsonString(std::ostream& out, std::string_view text);

} // namespace volcalc
