// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace volcalc::ui {

// Runs an event handler; an error that escapes it ends the handler where it arose and is shown
// in the application's default error box, then the program goes on.
void RunHandler(const std::function<void()>& handler);

} // namespace volcalc::ui
