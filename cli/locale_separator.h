// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace volcalc::cli {

// The first character of the decimal separator of the user's LC_NUMERIC setting, "." when it
// cannot be read. The C library itself is left in the "C" locale.
char RegionalDecimalSeparator();

} // namespace volcalc::cli
