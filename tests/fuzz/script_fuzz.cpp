// Script lines: any text runs or fails with a message; the totals stay consistent.
#include "calc/errors.h"
#include "cli/script_session.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    volcalc::cli::ScriptOptions options; // no catalogue: nothing touches the disk
    volcalc::cli::ScriptSession session(options, out, err);
    session.RunScript(in);
    const volcalc::LedgerTotals& t = session.GetLedger().Totals();
    if (t.TotalVolume != volcalc::StoreDouble(static_cast<long double>(t.ObjectVolume) - t.ApertureVolume) ||
        t.TotalMass != volcalc::StoreDouble(static_cast<long double>(t.ObjectMass) - t.ApertureMass)) {
        std::abort();
    }
    return 0;
}
