// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_separator.h"

#include <clocale>

namespace volcalc::cli {

char RegionalDecimalSeparator() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::lconv* conventions = std::localeconv();
        if (conventions != nullptr && conventions->decimal_point != nullptr &&
            conventions->decimal_point[0] != '\0') {
            separator = conventions->decimal_point[0];
        }
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

} // namespace volcalc::cli
