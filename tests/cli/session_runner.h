// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/script_session.h"

#include <sstream>
#include <string>

namespace volcalc::testing_support {

struct ScriptResult {
    int status = 0;
    std::string out;
    std::string err;
};

inline ScriptResult RunScriptText(const std::string& script, cli::ScriptOptions options = {}) {
    std::istringstream in(script);
    std::ostringstream out, err;
    cli::ScriptSession session(options, out, err);
    ScriptResult result;
    result.status = session.RunScript(in);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace volcalc::testing_support
