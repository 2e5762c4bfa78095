// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Documents of earlier versions brought to this one, a version at a time, before they are read.
// The reader then knows one shape of document only.

#include <nlohmann/json.hpp>

#include <vector>

namespace volcalc::jobs {

// The version of a document: its "version", or 0 for a --json report written before jobs had one.
// Returns -1 when the document is no job at all.
int JobVersionOf(const nlohmann::json& document);

// Brings a document of an earlier version (at least 0) to JobFormatVersion: its members, and its
// rows, which the reader holds apart.
void MigrateJob(nlohmann::json& document, std::vector<nlohmann::json>& rows, int version);

} // namespace volcalc::jobs
