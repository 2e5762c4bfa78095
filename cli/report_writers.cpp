#include "report.h"

#include "calc/number_text.h"

#include <csv.h>
#include <nlohmann/json.hpp>

#include <charconv>

namespace volcalc::cli {
namespace {

std::string_view GroupName(CalcGroup group) {
    return group == CalcGroup::Object ? "object" : "aperture";
}

std::string JoinParameters(const std::vector<std::string>& parameters) {
    std::string joined;
    for (const auto& p : parameters) {
        joined += (joined.empty() ? "" : " ") + p;
    }
    return joined;
}

// Shortest text that reads back as the same double, "." as separator whatever the locale.
std::string FullPrecision(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct Converted {
    double PieceVolume, Volume, PieceMass, Mass;
};

Converted Convert(const ReportRow& row, ReportUnits units) {
    return {VolumeForDisplay(row.PieceVolume, units.Volume), VolumeForDisplay(row.Volume, units.Volume),
            MassForDisplay(row.PieceMass, units.Mass), MassForDisplay(row.Mass, units.Mass)};
}

struct TotalLine {
    const char* name;
    double volume;
    double mass;
};

std::array<TotalLine, 3> TotalLines(const LedgerTotals& t) {
    return {{{"object total", t.ObjectVolume, t.ObjectMass},
             {"aperture total", t.ApertureVolume, t.ApertureMass},
             {"total", t.TotalVolume, t.TotalMass}}};
}

void CsvText(std::ostream& out, std::string_view text) {
    std::string quoted(text.size() * 2 + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), text.data(), text.size()));
    out << quoted;
}

std::string UnitSuffix(ReportUnits units) {
    std::string volume = "cubic_" + std::string(NameOf(units.Volume));
    std::string mass(NameOf(units.Mass));
    for (char& c : mass) {
        c = c == ' ' ? '_' : c;
    }
    return volume + "|" + mass;
}

} // namespace

void WriteTextReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units) {
    out << "line\tgroup\tshape\tunit\tquantity\tparameters\tmaterial\tdensity\tpiece volume\tvolume\tpiece "
           "mass\tmass\n";
    for (const ReportRow& row : report.Rows()) {
        const Converted c = Convert(row, units);
        out << row.Line << '\t' << GroupName(row.Group) << '\t' << row.Shape << '\t' << row.Unit << '\t'
            << row.Quantity << '\t' << JoinParameters(row.Parameters) << '\t' << row.Material << '\t'
            << row.Density << '\t' << FormatResult(c.PieceVolume) << '\t' << FormatResult(c.Volume) << '\t'
            << FormatResult(c.PieceMass) << '\t' << FormatResult(c.Mass) << '\n';
    }
    out << "volume\t" << NameOf(units.Volume) << '\t'
        << FormatResult(VolumeForDisplay(totals.ObjectVolume, units.Volume)) << '\t'
        << FormatResult(VolumeForDisplay(totals.ApertureVolume, units.Volume)) << '\t'
        << FormatResult(VolumeForDisplay(totals.TotalVolume, units.Volume)) << '\n';
    out << "mass\t" << NameOf(units.Mass) << '\t'
        << FormatResult(MassForDisplay(totals.ObjectMass, units.Mass)) << '\t'
        << FormatResult(MassForDisplay(totals.ApertureMass, units.Mass)) << '\t'
        << FormatResult(MassForDisplay(totals.TotalMass, units.Mass)) << '\n';
}

void WriteCsvReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units) {
    const std::string suffix = UnitSuffix(units);
    const std::string volume = suffix.substr(0, suffix.find('|'));
    const std::string mass = suffix.substr(suffix.find('|') + 1);
    out << "line,group,shape,unit,quantity,p1,p2,p3,p4,p5,material,density,piece_volume_" << volume
        << ",volume_" << volume << ",piece_mass_" << mass << ",mass_" << mass << "\r\n";
    for (const ReportRow& row : report.Rows()) {
        const Converted c = Convert(row, units);
        out << row.Line << ',' << GroupName(row.Group) << ',';
        CsvText(out, row.Shape);
        out << ',' << row.Unit << ',' << row.Quantity;
        for (std::size_t i = 0; i < 5; ++i) {
            out << ',';
            if (i < row.Parameters.size()) {
                CsvText(out, row.Parameters[i]);
            }
        }
        out << ',';
        CsvText(out, row.Material);
        out << ',' << row.Density << ',' << FullPrecision(c.PieceVolume) << ',' << FullPrecision(c.Volume)
            << ',' << FullPrecision(c.PieceMass) << ',' << FullPrecision(c.Mass) << "\r\n";
    }
    for (const TotalLine& line : TotalLines(totals)) {
        out << ',' << line.name << ",,,,,,,,,,,,"
            << FullPrecision(VolumeForDisplay(line.volume, units.Volume)) << ",,"
            << FullPrecision(MassForDisplay(line.mass, units.Mass)) << "\r\n";
    }
}

void WriteJsonReport(std::ostream& out, const Report& report, const LedgerTotals& totals, ReportUnits units) {
    nlohmann::ordered_json document;
    document["volume_unit"] = "cubic " + std::string(NameOf(units.Volume));
    document["mass_unit"] = std::string(NameOf(units.Mass));
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const ReportRow& row : report.Rows()) {
        const Converted c = Convert(row, units);
        rows.push_back({{"line", row.Line},
                        {"group", GroupName(row.Group)},
                        {"shape", row.Shape},
                        {"unit", row.Unit},
                        {"quantity", row.Quantity},
                        {"parameters", row.Parameters},
                        {"material", row.Material},
                        {"density", row.Density},
                        {"piece_volume", c.PieceVolume},
                        {"volume", c.Volume},
                        {"piece_mass", c.PieceMass},
                        {"mass", c.Mass}});
    }
    document["rows"] = std::move(rows);
    nlohmann::ordered_json sums;
    for (const TotalLine& line : TotalLines(totals)) {
        sums[line.name] = {{"volume", VolumeForDisplay(line.volume, units.Volume)},
                           {"mass", MassForDisplay(line.mass, units.Mass)}};
    }
    document["totals"] = std::move(sums);
    // Invalid UTF-8 in a name is replaced rather than aborting the whole document.
    out << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

} // namespace volcalc::cli
