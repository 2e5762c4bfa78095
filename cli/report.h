// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/parts_list.h"
#include "calc/parts_list_writers.h"

#include <ostream>

namespace volcalc::cli {

enum class ReportFormat { None, Text, Csv, Json };

// The bill of materials is the shared parts list.
using ReportRow = PartsListRow;
using Report = PartsList;

inline PartsListFormat PartsListFormatOf(ReportFormat format) {
    return format == ReportFormat::Csv    ? PartsListFormat::Csv
           : format == ReportFormat::Json ? PartsListFormat::Json
                                          : PartsListFormat::Text;
}

} // namespace volcalc::cli
