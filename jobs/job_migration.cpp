// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/job_migration.h"

#include "calc/parts_list_writers.h"

namespace volcalc::jobs {
namespace {

// Version 0, the report before it was a job: no format or version, no marks or notes, no order.
void FromVersion0(nlohmann::json& document, std::vector<nlohmann::json>& rows) {
    document["format"] = JobFormatName;
    document["version"] = 1;
    if (!document.contains("stock_lengths")) {
        document["stock_lengths"] = nlohmann::json::array();
    }
    if (!document.contains("kerf")) {
        document["kerf"] = "";
    }
    for (nlohmann::json& row : rows) {
        if (row.is_object()) {
            row.emplace("mark", "");
            row.emplace("note", "");
        }
    }
}

} // namespace

int JobVersionOf(const nlohmann::json& document) {
    if (!document.is_object()) {
        return -1;
    }
    const auto format = document.find("format");
    if (format == document.end()) {
        // A report of before: known by its members.
        const bool report = document.contains("rows") && document.contains("totals") &&
                            document.contains("volume_unit") && !document.contains("version");
        return report ? 0 : -1;
    }
    const auto version = document.find("version");
    if (*format != JobFormatName || version == document.end() || !version->is_number_integer()) {
        return -1;
    }
    const auto number = version->get<std::int64_t>();
    return number < 0 || number > 1000000 ? -1 : static_cast<int>(number);
}

void MigrateJob(nlohmann::json& document, std::vector<nlohmann::json>& rows, int version) {
    if (version == 0) {
        FromVersion0(document, rows);
    }
}

} // namespace volcalc::jobs
