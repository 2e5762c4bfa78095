// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPalette>

namespace volcalc::ui {

// The application title: the task-bar name and the caption of the default error box.
inline constexpr const char* ApplicationTitle = "Orlisk Volume Calculator";
// The main window's caption and the About box's title: the name with the release, major.minor of
// the project version the build is made from.
inline constexpr const char* ProgramCaption = "Orlisk Volume Calculator " VOLCALC_VERSION;

// The window's font, 11 pixels high, on a free face with the metrics the layout was drawn for.
QFont WindowFont(bool bold = false);
// The font of the two total fields: 16 pixels, bold.
QFont TotalFont();

// Silver window and buttons, white edit fields, the usual bevel greys.
QPalette SilverPalette();
// A palette whose window colour is the given one, for panels painted in another colour.
QPalette WithWindowColour(QPalette palette, const QColor& colour);

} // namespace volcalc::ui
