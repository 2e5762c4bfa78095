// SPDX-License-Identifier: GPL-3.0-or-later
// Script lines: any text runs or fails with a message; a failing line changes nothing; the
// totals stay consistent and the report can always be written.
#include "calc/errors.h"
#include "calc/parts_list_writers.h"
#include "cli/script_session.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    volcalc::cli::ScriptOptions options; // no catalogue: nothing touches the disk
    options.report = volcalc::cli::ReportFormat::Json;
    if (!script.empty() && script[0] == '!') { // small units overflow first
        options.reportUnits = {volcalc::VolumeUnit::Millimeter, volcalc::MassUnit::Gram};
    }
    std::ostringstream out, err;
    volcalc::cli::ScriptSession session(options, out, err);
    for (std::size_t number = 1; !script.empty(); ++number) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        const auto before = session.CurrentState();
        if (!session.RunLine(script.substr(0, end), number) && !(session.CurrentState() == before)) {
            std::abort();
        }
        script.remove_prefix(std::min(end + 1, script.size()));
    }
    const volcalc::LedgerTotals& t = session.GetLedger().Totals();
    if (t.TotalVolume != volcalc::StoreDouble(static_cast<long double>(t.ObjectVolume) - t.ApertureVolume) ||
        t.TotalMass != volcalc::StoreDouble(static_cast<long double>(t.ObjectMass) - t.ApertureMass)) {
        std::abort();
    }
    // Every figure the report holds can be written: this throws otherwise.
    volcalc::WritePartsList(volcalc::PartsListFormat::Json, out, session.GetReport(), t, options.reportUnits);
    return 0;
}
