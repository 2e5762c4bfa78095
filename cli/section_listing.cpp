// SPDX-License-Identifier: GPL-3.0-or-later
#include "section_listing.h"

#include "calc/number_text.h"
#include "command_line.h"
#include "sections/section_text.h"

namespace volcalc::cli {

void WarnAboutTables(const sections::SectionCatalogue& catalogue, std::ostream& err) {
    for (const std::string& problem : catalogue.Problems()) {
        err << "volcalc-cli: warning: " << problem << '\n';
    }
}

int ListSections(const sections::SectionCatalogue& catalogue, std::string_view text, std::ostream& out,
                 std::ostream& err) {
    WarnAboutTables(catalogue, err);
    for (const sections::NamedSection& named : catalogue.Containing(text)) {
        out << sections::ListingLine(catalogue, *named.Held, DecimalSeparator(), named.Designation) << '\n';
    }
    return ExitSuccess;
}

} // namespace volcalc::cli
