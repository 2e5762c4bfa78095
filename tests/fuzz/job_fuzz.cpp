// SPDX-License-Identifier: GPL-3.0-or-later
// The job reader: any bytes are read or refused with a JobError, and what is read is written and
// read again to the same job and the same document.
#include "calc/errors.h"
#include "jobs/job_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace volcalc::jobs;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Job job;
    try {
        job = ReadJobText(text, "fuzz", nullptr);
    } catch (const JobError&) {
        return 0;
    }
    const std::string written = JobText(job); // every row read shows in the job's units
    const Job again = ReadJobText(written, "fuzz", nullptr);
    if (!(again == job) || JobText(again) != written) {
        std::fprintf(stderr, "a job read does not read back the same\n");
        std::abort();
    }
    return 0;
}
