#pragma once

#include "calc/parts_list.h"
#include "calc/parts_list_writers.h"

#include <ostream>

namespace volcalc::cli {

enum class ReportFormat { None, Text, Csv, Json };

// The bill of materials is the shared parts list.
using ReportRow = PartsListRow;
using Report = PartsList;

inline void WriteTextReport(std::ostream& out, const Report& report, const LedgerTotals& totals,
                            ReportUnits units) {
    WritePartsList(PartsListFormat::Text, out, report, totals, units);
}
inline void WriteCsvReport(std::ostream& out, const Report& report, const LedgerTotals& totals,
                           ReportUnits units) {
    WritePartsList(PartsListFormat::Csv, out, report, totals, units);
}
inline void WriteJsonReport(std::ostream& out, const Report& report, const LedgerTotals& totals,
                            ReportUnits units) {
    WritePartsList(PartsListFormat::Json, out, report, totals, units);
}

} // namespace volcalc::cli
