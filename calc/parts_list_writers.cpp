// SPDX-License-Identifier: GPL-3.0-or-later
#include "parts_list_writers.h"

#include "csv_cell.h"
#include "json_text.h"
#include "number_text.h"
#include "number_writer.h"
#include "price.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace volcalc {
namespace {

std::string_view GroupName(CalcGroup group) {
    return group == CalcGroup::Object ? "object" : "aperture";
}

struct TotalLine {
    const char* Name;
    double Volume;
    double Mass;
    std::optional<double> Cost;
};

// Apertures cost nothing, once there are costs at all; with none, no total has a cost either.
std::optional<double> ApertureCost(const LedgerTotals& t) {
    return t.Cost ? std::optional(0.0) : std::nullopt;
}

// Totals already in display units.
std::array<TotalLine, 3> TotalLines(const LedgerTotals& t) {
    return {{{"object total", t.ObjectVolume, t.ObjectMass, t.Cost},
             {"aperture total", t.ApertureVolume, t.ApertureMass, ApertureCost(t)},
             {"total", t.TotalVolume, t.TotalMass, t.Cost}}};
}

std::string CostText(std::optional<double> cost) {
    return cost ? FormatCost(*cost) : std::string();
}

class TextWriter : public PartsListWriter {
public:
    TextWriter(std::ostream& out, ReportUnits units, PartsListAppendix appendix, ReportPrices prices)
        : m_out(out), m_units(units), m_appendix(std::move(appendix)), m_prices(std::move(prices)) {}

    void Begin() override {
        m_out << "line\tgroup\tshape\tunit\tquantity\tparameters\tmaterial\tdensity\tpiece "
                 "volume\tvolume\tpiece "
                 "mass\tmass"
              << (m_prices.InText ? "\tprice per kg\tcost\n" : "\n");
    }

    void Row(const PartsListRow& row) override {
        const RowFigures f = FiguresOf(row, m_units);
        m_out << row.Line << '\t' << GroupName(row.Group) << '\t' << ShapeName(row) << '\t'
              << NameOf(row.Unit) << '\t' << row.Quantity << '\t';
        for (std::size_t i = 0; i < row.Parameters.size(); ++i) {
            m_out << (i == 0 ? "" : " ") << row.Parameters[i];
        }
        m_out << '\t' << MaterialLabel(row) << '\t' << row.Density << '\t' << FormatResult(f.PieceVolume)
              << '\t' << FormatResult(f.Volume) << '\t' << FormatResult(f.PieceMass) << '\t'
              << FormatResult(f.Mass);
        if (m_prices.InText) {
            m_out << '\t' << (row.PricePerKg ? FormatPrice(*row.PricePerKg) : "") << '\t'
                  << (row.Cost ? FormatCost(*row.Cost) : "");
        }
        m_out << '\n';
    }

    void End(const LedgerTotals& totals) override {
        const LedgerTotals t = TotalsIn(totals, m_units);
        m_out << "volume\t" << NameOf(m_units.Volume) << '\t' << FormatResult(t.ObjectVolume) << '\t'
              << FormatResult(t.ApertureVolume) << '\t' << FormatResult(t.TotalVolume) << '\n';
        m_out << "mass\t" << NameOf(m_units.Mass) << '\t' << FormatResult(t.ObjectMass) << '\t'
              << FormatResult(t.ApertureMass) << '\t' << FormatResult(t.TotalMass) << '\n';
        if (m_prices.InText) {
            m_out << "cost\t" << m_prices.Currency << '\t' << CostText(t.Cost) << '\t'
                  << CostText(ApertureCost(t)) << '\t' << CostText(t.Cost) << "\nunpriced rows\t"
                  << t.UnpricedRows << '\n';
        }
        if (m_appendix) {
            m_appendix(m_out);
        }
    }

private:
    std::ostream& m_out;
    ReportUnits m_units;
    PartsListAppendix m_appendix;
    ReportPrices m_prices;
};

// Shortest text that reads back as the same double, "." as separator whatever the locale.
std::string FullPrecision(double value) {
    return DoubleText(value);
}

// Zero stays "0", not "-0".
double Negated(double value) {
    return value == 0 ? 0.0 : -value;
}

void CsvText(std::ostream& out, std::string_view text) {
    out << CsvCell(text);
}

class CsvWriter : public PartsListWriter {
public:
    CsvWriter(std::ostream& out, ReportUnits units) : m_out(out), m_units(units) {}

    void Begin() override {
        std::string mass(NameOf(m_units.Mass));
        std::replace(mass.begin(), mass.end(), ' ', '_');
        const std::string volume = "cubic_" + std::string(NameOf(m_units.Volume));
        m_out << "line,group,shape,unit,quantity,p1,p2,p3,p4,p5,material,density,piece_volume_" << volume
              << ",volume_" << volume << ",piece_mass_" << mass << ",mass_" << mass
              << ",price_per_kg,cost\r\n";
    }

    void Row(const PartsListRow& row) override {
        const RowFigures f = FiguresOf(row, m_units);
        m_out << row.Line << ',' << GroupName(row.Group) << ',';
        CsvText(m_out, ShapeName(row));
        m_out << ',' << NameOf(row.Unit) << ',' << row.Quantity;
        for (std::size_t i = 0; i < 5; ++i) {
            m_out << ',';
            if (i < row.Parameters.size()) {
                CsvText(m_out, row.Parameters[i]);
            }
        }
        m_out << ',';
        CsvText(m_out, MaterialLabel(row));
        m_out << ',' << row.Density << ',' << FullPrecision(f.PieceVolume) << ',' << FullPrecision(f.Volume)
              << ',' << FullPrecision(f.PieceMass) << ',' << FullPrecision(f.Mass) << ','
              << (row.PricePerKg ? FullPrecision(*row.PricePerKg) : "") << ','
              << (row.Cost ? FullPrecision(*row.Cost) : "") << "\r\n";
    }

    // The aperture total carries the sign of the aperture rows above it; apertures cost nothing.
    void End(const LedgerTotals& totals) override {
        const LedgerTotals t = TotalsIn(totals, m_units);
        const std::array<TotalLine, 3> lines = {
            {{"object total", t.ObjectVolume, t.ObjectMass, t.Cost},
             {"aperture total", Negated(t.ApertureVolume), Negated(t.ApertureMass), ApertureCost(t)},
             {"total", t.TotalVolume, t.TotalMass, t.Cost}}};
        for (const TotalLine& line : lines) {
            m_out << ',' << line.Name << ",,,,,,,,,,,," << FullPrecision(line.Volume) << ",,"
                  << FullPrecision(line.Mass) << ",," << (line.Cost ? FullPrecision(*line.Cost) : "")
                  << "\r\n";
        }
    }

private:
    std::ostream& m_out;
    ReportUnits m_units;
};

// What a price or cost without a value is written as: null.
constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();

// The document as a two-space indented dump of {format, version, volume_unit, mass_unit,
// currency, stock_lengths, kerf, rows: [...], totals}, written a row at a time.
class JsonWriter : public PartsListWriter {
public:
    JsonWriter(std::ostream& out, ReportUnits units, PartsListAppendix appendix, ReportPrices prices,
               JobSettings job)
        : m_out(out), m_units(units), m_appendix(std::move(appendix)), m_prices(std::move(prices)),
          m_job(std::move(job)) {}

    void Begin() override {
        m_out << "{\n  \"format\": ";
        JsonString(m_out, JobFormatName);
        m_out << ",\n  \"version\": " << JobFormatVersion << ",\n  \"volume_unit\": ";
        JsonString(m_out, "cubic " + std::string(NameOf(m_units.Volume)));
        m_out << ",\n  \"mass_unit\": ";
        JsonString(m_out, NameOf(m_units.Mass));
        m_out << ",\n  \"currency\": ";
        if (m_prices.Currency.empty()) {
            m_out << "null";
        } else {
            JsonString(m_out, m_prices.Currency);
        }
        m_out << ",\n  \"stock_lengths\": [";
        for (std::size_t i = 0; i < m_job.StockLengths.size(); ++i) {
            m_out << (i == 0 ? "\n    " : ",\n    ");
            JsonString(m_out, m_job.StockLengths[i]);
        }
        m_out << (m_job.StockLengths.empty() ? "]" : "\n  ]") << ",\n  \"kerf\": ";
        JsonString(m_out, m_job.Kerf);
        m_out << ",\n  \"rows\": [";
    }

    void Row(const PartsListRow& row) override {
        const RowFigures f = FiguresOf(row, m_units);
        m_out << (m_rows++ == 0 ? "\n    {\n" : ",\n    {\n") << "      \"line\": " << row.Line
              << ",\n      \"mark\": ";
        JsonString(m_out, row.Mark);
        m_out << ",\n      \"note\": ";
        JsonString(m_out, row.Note);
        m_out << ",\n      \"group\": ";
        JsonString(m_out, GroupName(row.Group));
        m_out << ",\n      \"shape\": ";
        JsonString(m_out, ShapeName(row));
        m_out << ",\n      \"unit\": ";
        JsonString(m_out, NameOf(row.Unit));
        m_out << ",\n      \"quantity\": " << row.Quantity << ",\n      \"parameters\": [";
        for (std::size_t i = 0; i < row.Parameters.size(); ++i) {
            m_out << (i == 0 ? "\n        " : ",\n        ");
            JsonString(m_out, row.Parameters[i]);
        }
        m_out << (row.Parameters.empty() ? "]" : "\n      ]") << ",\n      \"material\": ";
        JsonString(m_out, MaterialLabel(row));
        m_out << ",\n      \"density\": " << row.Density;
        const std::pair<const char*, double> figures[] = {{"piece_volume", f.PieceVolume},
                                                          {"volume", f.Volume},
                                                          {"piece_mass", f.PieceMass},
                                                          {"mass", f.Mass}};
        for (const auto& [name, value] : figures) {
            m_out << ",\n      \"" << name << "\": ";
            JsonNumber(m_out, value);
        }
        m_out << ",\n      \"price_per_kg\": ";
        JsonNumber(m_out, row.PricePerKg.value_or(Unknown));
        m_out << ",\n      \"cost\": ";
        JsonNumber(m_out, row.Cost.value_or(Unknown));
        m_out << "\n    }";
    }

    void End(const LedgerTotals& totals) override {
        m_out << (m_rows == 0 ? "]" : "\n  ]") << ",\n  \"totals\": {";
        const char* separator = "\n";
        for (const TotalLine& line : TotalLines(TotalsIn(totals, m_units))) {
            m_out << separator << "    \"" << line.Name << "\": {\n      \"volume\": ";
            JsonNumber(m_out, line.Volume);
            m_out << ",\n      \"mass\": ";
            JsonNumber(m_out, line.Mass);
            m_out << ",\n      \"cost\": ";
            JsonNumber(m_out, line.Cost.value_or(Unknown));
            m_out << "\n    }";
            separator = ",\n";
        }
        m_out << ",\n    \"unpriced_rows\": " << totals.UnpricedRows << "\n  }";
        if (m_appendix) {
            m_out << ",";
            m_appendix(m_out);
        }
        m_out << "\n}\n";
    }

private:
    std::ostream& m_out;
    ReportUnits m_units;
    PartsListAppendix m_appendix;
    ReportPrices m_prices;
    JobSettings m_job;
    std::size_t m_rows = 0;
};

} // namespace

std::unique_ptr<PartsListWriter> MakePartsListWriter(PartsListFormat format, std::ostream& out,
                                                     ReportUnits units, PartsListAppendix appendix,
                                                     ReportPrices prices, JobSettings job) {
    switch (format) {
    case PartsListFormat::Text:
        return std::make_unique<TextWriter>(out, units, std::move(appendix), std::move(prices));
    case PartsListFormat::Csv:
        return std::make_unique<CsvWriter>(out, units);
    case PartsListFormat::Json:
        break;
    }
    return std::make_unique<JsonWriter>(out, units, std::move(appendix), std::move(prices), std::move(job));
}

void WritePartsList(PartsListFormat format, std::ostream& out, const PartsList& list,
                    const LedgerTotals& totals, ReportUnits units, PartsListAppendix appendix,
                    ReportPrices prices, JobSettings job) {
    prices.InText =
        prices.InText || std::any_of(list.Rows().begin(), list.Rows().end(),
                                     [](const PartsListRow& row) { return row.PricePerKg.has_value(); });
    const auto writer =
        MakePartsListWriter(format, out, units, std::move(appendix), std::move(prices), std::move(job));
    writer->Begin();
    for (const PartsListRow& row : list.Rows()) {
        writer->Row(row);
    }
    writer->End(totals);
}

} // namespace volcalc
