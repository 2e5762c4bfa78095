// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writers of the parts list as text, CSV and JSON. Each is incremental (Begin, then Row for each
// row as it is made, then End with the totals), so a long list never needs to be held whole;
// WritePartsList writes a list that is held. The same steps give byte-identical output whoever
// writes it: the command line's --report/--csv/--json and the window's export share these.

#include "parts_list.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

enum class PartsListFormat {
    Text, // figures formatted as the window shows them, tab-separated, then the totals
    Csv,  // RFC 4180 with a header row; figures in full precision with "." as separator
    Json  // one JSON document with the units, the rows and the totals
};

class PartsListWriter {
public:
    virtual ~PartsListWriter() = default;
    virtual void Begin() = 0;
    // The figures must be showable in the writer's units (see FiguresOf); else OverflowError is
    // thrown before anything of the row is written.
    virtual void Row(const PartsListRow& row) = 0;
    virtual void End(const LedgerTotals& totals) = 0;
};

// What End writes after the totals: further lines of the text, or further members of the JSON
// document (each written as ",\n  \"name\": value" would be, without the leading comma). CSV
// has no place for it.
using PartsListAppendix = std::function<void(std::ostream&)>;

// What a report shows of prices. CSV and JSON always have a row's price and cost (empty or null
// where unknown) and the cost totals; the text has them only when asked, so that a list without
// prices reads as it always did. The currency is named beside the text's cost total and in JSON.
struct ReportPrices {
    std::string Currency;
    bool InText = false;
};

// The JSON document is also a job file (jobs/job_file.h): what a job holds beyond its rows is
// written with it, empty in a report that has none of it.
inline constexpr std::string_view JobFormatName = "volcalc-job";
inline constexpr int JobFormatVersion = 1;
struct JobSettings {
    std::vector<std::string> StockLengths; // the order's stock lengths, each as typed
    std::string Kerf;                      // the order's kerf as typed

    friend bool operator==(const JobSettings&, const JobSettings&) = default;
};

std::unique_ptr<PartsListWriter> MakePartsListWriter(PartsListFormat format, std::ostream& out,
                                                     ReportUnits units, PartsListAppendix appendix = {},
                                                     ReportPrices prices = {}, JobSettings job = {});

// The text has prices and costs when prices.InText is set or any row has a price.
void WritePartsList(PartsListFormat format, std::ostream& out, const PartsList& list,
                    const LedgerTotals& totals, ReportUnits units, PartsListAppendix appendix = {},
                    ReportPrices prices = {}, JobSettings job = {});

} // namespace volcalc
