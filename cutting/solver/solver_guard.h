// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// GLPK ends the whole program on an internal error unless its error hook takes over. The calls
// that solve run under the hook, so that such an error refuses one plan instead: the window keeps
// its unsaved calculations, the command line names the failure.

#include "cutting/plan_cuts.h"

#include <cstdint>

namespace volcalc::cutting {

// Runs call(data) with GLPK's error hook set. Nothing between here and GLPK may own anything
// that needs destroying: an error leaves GLPK by a long jump. On an error, frees GLPK's
// environment (its problem objects with it) and throws SolverError.
void RunGuarded(void (*call)(void*), void* data);

// How often this thread's GLPK environment was freed after an error: a problem object made
// before the count last changed is gone already and must not be deleted.
std::uint64_t SolverResets();

} // namespace volcalc::cutting
