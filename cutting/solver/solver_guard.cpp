// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver_guard.h"

#include <glpk.h>

#include <csetjmp>
#include <string>

namespace volcalc::cutting {

namespace {

thread_local std::uint64_t Resets = 0;

struct Landing {
    std::jmp_buf Back;
    std::string Said; // what GLPK would have printed: its error message
};

void OnSolverError(void* info) {
    std::longjmp(static_cast<Landing*>(info)->Back, 1);
}

// GLPK turns its printing on to report an error; the command line's output is no place for it.
int OnSolverText(void* info, const char* text) {
    static_cast<Landing*>(info)->Said += text;
    return 1;
}

// Holds nothing to destroy, so that the long jump back into it skips no destructor.
bool Finished(void (*call)(void*), void* data, Landing& landing) {
    if (setjmp(landing.Back) != 0) {
        return false;
    }
    glp_error_hook(&OnSolverError, &landing);
    glp_term_hook(&OnSolverText, &landing);
    call(data);
    glp_term_hook(nullptr, nullptr);
    glp_error_hook(nullptr, nullptr);
    return true;
}

} // namespace

void RunGuarded(void (*call)(void*), void* data) {
    Landing landing;
    if (!Finished(call, data, landing)) {
        // GLPK's documented way back from an error: its environment is unusable until freed.
        glp_free_env();
        ++Resets;
        const std::string said = landing.Said.substr(0, landing.Said.find('\n'));
        throw SolverError("the solver stopped on an internal error" + (said.empty() ? "" : ": " + said));
    }
}

std::uint64_t SolverResets() {
    return Resets;
}

} // namespace volcalc::cutting
