// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace volcalc::ui {

// Runs an event handler; an error that escapes it ends the handler where it arose and is shown
// in the application's default error box, then the program goes on.
void RunHandler(const std::function<void()>& handler);

// Runs the owner's handler, as RunHandler does, whenever the sender emits the signal.
template <typename Sender, typename Signal, typename Owner>
void ConnectHandler(Sender* sender, Signal signal, Owner* owner, void (Owner::*handler)()) {
    QObject::connect(sender, signal, owner,
                     [owner, handler] { RunHandler([owner, handler] { (owner->*handler)(); }); });
}

} // namespace volcalc::ui
