// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one rack of stock the window keeps, in the user's data folder ("rack.csv"), read and
// written for the Order dialog and its Stock… dialog.

#include "jobs/rack_update.h"
#include "jobs/stock_rack.h"

#include <QString>

#include <filesystem>
#include <string>

namespace volcalc::ui {

// $XDG_DATA_HOME/orlisk-volcalc/rack.csv; empty where the user has no data folder.
std::filesystem::path WindowRackFile();

// The standard sections a rack's rows may name, read on first use.
sections::SectionShapes& RackSections();

// The rack as its file holds it now: its text (empty for no file) and what it reads as.
struct WindowRack {
    std::string Text;
    jobs::RackReading Reading;
};
WindowRack ReadWindowRack(const std::filesystem::path& file);

// Replaces the rack's file by `text` under the rack's lock, as long as the file still holds
// `loadedText` (what the dialog showed): an empty text when done, otherwise why not, for the user.
QString SaveWindowRack(const std::filesystem::path& file, const std::string& text,
                       const std::string& loadedText);

} // namespace volcalc::ui
