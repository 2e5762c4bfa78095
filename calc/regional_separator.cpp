// SPDX-License-Identifier: GPL-3.0-or-later
#include "regional_separator.h"

#include <langinfo.h>
#include <locale.h>

namespace volcalc {

char RegionalDecimalSeparator() {
    // A locale object of its own: the process-wide C locale stays "C", so nothing else that
    // reads or prints numbers changes behaviour.
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", locale_t(nullptr));
    if (numeric == locale_t(nullptr)) {
        return '.';
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
    // A separator outside ASCII cannot be typed as one key, held as one char nor written as one
    // byte: "." stands in.
    const unsigned char first = radix ? static_cast<unsigned char>(radix[0]) : 0;
    const char separator = (first > 0x20 && first < 0x7F) ? static_cast<char>(first) : '.';
    freelocale(numeric);
    return separator;
}

} // namespace volcalc
