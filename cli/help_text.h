// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace volcalc::cli {

// The shapes of both lists from the shape catalogue, one a line: name (quoted when it holds a
// blank), its parameters in order, and whether it can be an object, an aperture or both. The
// manual page carries the same lines.
std::string ShapeListText();

// The length, volume and mass units, one list a line. The manual page carries the same lines.
std::string UnitListText();

// What --help prints.
std::string HelpText();

} // namespace volcalc::cli
