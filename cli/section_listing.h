// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/section_catalogue.h"

#include <ostream>
#include <string_view>

namespace volcalc::cli {

// --sections [TEXT]: one line per section whose designation holds TEXT (ignoring case and blanks),
// after a warning for every table row that could not be loaded. Returns the exit status.
int ListSections(const sections::SectionCatalogue& catalogue, std::string_view text, std::ostream& out,
                 std::ostream& err);

// Writes each load problem of the catalogue as a warning line.
void WarnAboutTables(const sections::SectionCatalogue& catalogue, std::ostream& err);

} // namespace volcalc::cli
