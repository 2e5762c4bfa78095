// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace volcalc::ui {

// Moves a top-level window to the centre of its screen (its parent's screen for a dialog).
// The windows do this on their first showing only, so that later showings open where they were.
void CentreOnScreen(QWidget& window);

} // namespace volcalc::ui
