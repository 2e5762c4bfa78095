// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

#include <string_view>

namespace volcalc::ui {

// A picture of the program's resources, ":/pictures/NAME". A picture that is missing gives an
// empty pixmap: the control then shows nothing instead of failing.
QPixmap Picture(std::string_view name);

} // namespace volcalc::ui
