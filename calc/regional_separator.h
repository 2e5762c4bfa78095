// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace volcalc {

// The decimal separator of the user's regional settings (LC_NUMERIC as the environment gives
// it), or "." when the settings cannot be read or their separator is not one printable ASCII
// character. The process's own locale is left as it is.
char RegionalDecimalSeparator();

} // namespace volcalc
