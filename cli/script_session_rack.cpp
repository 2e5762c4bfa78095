// SPDX-License-Identifier: GPL-3.0-or-later
// The rack of stock on hand: read before the order is planned, changed after it is cut.
#include "calc/file_writer.h"
#include "jobs/rack_update.h"
#include "jobs/stock_rack.h"
#include "order_section.h"
#include "script_session.h"

#include <filesystem>

namespace volcalc::cli {
namespace {

constexpr const char* ProgramName = "volcalc-cli: ";

} // namespace

bool ScriptSession::ReadStockRack(const std::string& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        m_err << ProgramName << "cannot read the rack " << file << ": "
              << (error ? error.message() : std::string("not a file")) << '\n';
        return false;
    }
    const jobs::RackReading reading = jobs::ReadRackFile(file, &m_sectionShapes);
    for (const std::string& problem : reading.Problems) {
        m_err << ProgramName << problem << '\n';
    }
    if (!reading.Problems.empty()) {
        m_err << ProgramName << "the rack " << file
              << " is refused: nothing is planned from a damaged rack\n";
        return false;
    }
    if (m_order) {
        m_order->SetRack(reading.Rack.Bars());
    }
    return true;
}

bool ScriptSession::UpdateStockRack(const std::string& file) {
    if (!m_order) {
        return false;
    }
    PosixFileWriter writer;
    const jobs::RackUpdate update =
        jobs::UpdateRackFile(file, jobs::ChangeOf(m_order->Orders()), &m_sectionShapes, writer);
    if (!update.Done) {
        m_err << ProgramName << update.Problem << '\n';
    }
    return update.Done;
}

} // namespace volcalc::cli
