#pragma once

#include "calc/ledger.h"
#include "calc/units.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cli {

enum class ReportFormat { None, Text, Csv, Json };

// One successful calculation as a bill of materials lists it. Volumes in cubic metres and masses
// in kilograms; an aperture's are negative.
struct ReportRow {
    std::size_t Line = 0;
    CalcGroup Group = CalcGroup::Object;
    std::string_view Shape; // display name from the shape catalogue
    std::string_view Unit;  // length unit name
    std::int32_t Quantity = 1;
    std::vector<std::string> Parameters; // as typed
    std::string Material;                // material name, or "density N"
    std::int32_t Density = 0;
    double PieceVolume = 0;
    double Volume = 0;
    double PieceMass = 0;
    double Mass = 0;
};

// The rows of the calculations that count: undo takes back the last, reset clears them all.
class Report {
public:
    void Add(ReportRow row) { m_rows.push_back(std::move(row)); }
    void Undo() {
        if (!m_rows.empty()) {
            m_rows.pop_back();
        }
    }
    void Reset() { m_rows.clear(); }
    const std::vector<ReportRow>& Rows() const { return m_rows; }

private:
    std::vector<ReportRow> m_rows;
};

struct ReportUnits {
    VolumeUnit Volume = DefaultVolumeUnit;
    MassUnit Mass = DefaultMassUnit;
};

// Figures formatted as the window shows them, tab-separated, then the totals.
void WriteTextReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units);
// RFC 4180 with a header row; figures with full precision and "." as separator.
void WriteCsvReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units);
// One JSON document with the units, the rows and the totals.
void WriteJsonReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units);

} // namespace volcalc::cli
