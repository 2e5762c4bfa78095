// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing a job file. One reader and one writer, used by the window and the command
// line alike, so that the same work saved by either is the same file to the byte.

#include "calc/file_writer.h"
#include "jobs/job.h"
#include "sections/section_shapes.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace volcalc::jobs {

// Reads a job: a document of this version or an earlier one (a --json report written before jobs
// had a version reads as one), each row calculated again from its texts with the density and
// price it holds. `sections` finds the standard sections that rows name by designation; none: a
// row naming one is refused. Throws JobError, naming the file as `name` gives it.
Job ReadJobText(std::string_view text, const std::string& name, sections::SectionShapes* sections);

// The same for a file, refused by its size before it is read (MaxJobBytes).
Job ReadJob(const std::filesystem::path& file, sections::SectionShapes* sections);

// The document of a job: its rows numbered 1, 2, … in list order, with their figures and the
// totals in the job's units. Throws OverflowError when a figure cannot be shown in them.
std::string JobText(const Job& job);

// Saves the job in place of the file, all of it or nothing (a new file beside it, synced, renamed
// over it). Throws JobError, with the file as it was.
void SaveJob(const Job& job, const std::filesystem::path& file, FileWriter& writer);

// Whether a file may be replaced by a job: it does not exist, or it holds a job (of any version).
bool MayHoldJob(const std::filesystem::path& file);

} // namespace volcalc::jobs
