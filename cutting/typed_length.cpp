// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_length.h"

#include "calc/number_text.h"
#include "calc/number_writer.h"
#include "order_arguments.h"

namespace volcalc::cutting {

std::string TypedLengthText(const TypedLength& length, char separator) {
    return WithDecimalSeparator(DoubleText(length.Value, std::chars_format::fixed), separator) + " " +
           std::string(SymbolOf(length.Unit));
}

} // namespace volcalc::cutting
