// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

class QWidget;

namespace volcalc::ui {

// Opens the program's help from the folder that holds it: TORVA.CHM where the desktop has an
// application for CHM files, else the HTML pages (index.html) in the web browser. When the desktop
// opens neither, an error box says so and names the files it could not open, or the one missing.
void OpenHelp(QWidget* owner, const std::filesystem::path& folder);

} // namespace volcalc::ui
