// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/parts_list_writers.h"
#include "jobs/job_file.h"

#include <sstream>

namespace volcalc::jobs {

std::string JobText(const Job& job) {
    std::ostringstream out;
    const auto writer =
        MakePartsListWriter(PartsListFormat::Json, out, job.Units, {}, {job.Currency, false}, job.Order);
    writer->Begin();
    LedgerTotals totals;
    PartsListRow numbered; // each row as it is in the list, numbered by its place
    for (std::size_t i = 0; i < job.Rows.size(); ++i) {
        numbered = job.Rows[i];
        numbered.Line = i + 1;
        writer->Row(numbered);
        totals = TotalsAfter(totals, numbered);
    }
    writer->End(totals);
    return std::move(out).str();
}

void SaveJob(const Job& job, const std::filesystem::path& file, FileWriter& writer) {
    const std::string text = JobText(job);
    if (!ReplaceFile(writer, file, text)) {
        throw JobError(file.string() + ": the job could not be saved; the file is as it was");
    }
}

} // namespace volcalc::jobs
