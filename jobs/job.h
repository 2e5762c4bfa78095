// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A job: a person's parts list kept as a file (`.volcalc`), with what they typed and chose for it.
// One JSON document, which is also the command line's --json report: a report opens as a job. The
// rows keep the material, density and price they were calculated with, whatever the catalogue
// says today; on opening, each row is calculated again from its texts (calc/row_evaluation.h).

#include "calc/parts_list.h"
#include "calc/parts_list_writers.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace volcalc::jobs {

struct Job {
    ReportUnits Units;    // the display units of the list
    std::string Currency; // of the rows' prices; empty for none
    JobSettings Order;    // the order's stock lengths and kerf, as typed
    std::vector<PartsListRow> Rows;

    friend bool operator==(const Job&, const Job&) = default;
};

// The extension of a job file, with its dot.
inline constexpr std::string_view JobExtension = ".volcalc";

// A larger file is refused before it is read: it would be well over a million rows.
inline constexpr std::uintmax_t MaxJobBytes = std::uintmax_t{1} << 30;

// A job that cannot be read or written, with the message the user reads: it names the file, the row
// where there is one ("frame.volcalc: row 3: unknown object shape "Cylindre""), and the reason.
class JobError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace volcalc::jobs
