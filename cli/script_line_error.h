// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/row_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cli {

using jobs::Echo;
using jobs::EchoedMessage;
using jobs::LineError;
using jobs::OneLine;
using jobs::Quoted;

inline void ExpectWords(const std::vector<std::string_view>& words, std::size_t least, std::size_t most,
                        const char* usage) {
    if (words.size() < least || words.size() > most) {
        throw LineError(std::string("usage: ") + usage);
    }
}

} // namespace volcalc::cli
