// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/stock_rack.h"

#include "calc/units.h"
#include "cutting/order_items.h"
#include "jobs/csv_rows.h"
#include "jobs/list_rows.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace volcalc::jobs {
namespace {

constexpr std::size_t ShapeColumn = 1;
constexpr std::size_t FirstParameterColumn = 5;

// Keeps each row that reads, with its fields to write it back; the rest as problems.
class RackTarget : public ListRowTarget {
public:
    RackTarget(RackReading& reading, std::string name) : m_reading(reading), m_name(std::move(name)) {}

    bool Begin(std::size_t) override { return true; }
    void Take(const ListRow& row) override;
    void Refuse(const std::string& place, const std::string& message) override {
        m_reading.Problems.push_back(m_name + ": " + place + ": " + message);
    }

private:
    RackReading& m_reading;
    std::string m_name;
};

// A rack's bar is planned as it is typed, or refused: never rounded into another.
void CheckLengths(const std::vector<double>& millimetres, std::size_t lengthAt) {
    for (std::size_t i = 0; i < millimetres.size(); ++i) {
        const double value = millimetres[i];
        const bool length = i == lengthAt;
        if (!(value >= 0 && value <= cutting::LongestMillimetres) ||
            (length && cutting::ToUnits(value) == 0)) {
            throw ColumnError(FirstParameterColumn + i,
                              length ? "the bar's length must be from 0.001 to 100000000 mm"
                                     : "the cross-section must be from 0 to 100000000 mm");
        }
    }
}

void RackTarget::Take(const ListRow& row) {
    std::string material(row.Material);
    if (row.Density) {
        material = "density " + std::to_string(*row.Density);
    }
    if (material.empty()) {
        throw ColumnError(MaterialColumn, "a rack row names the material of its bars");
    }
    const ReadCalculation& read = row.Calculation.Read;
    std::vector<double> millimetres;
    for (const double value : read.Parameters()) {
        millimetres.push_back(static_cast<double>(value * MillimetresPer(read.Input.Unit)));
    }
    const ShapeEntry& shape = *row.Calculation.Shape;
    if (!shape.BarLength) {
        throw ColumnError(ShapeColumn, Quoted(row.Words.Shape) + " is not cut from bars");
    }
    CheckLengths(millimetres, *shape.BarLength);
    const auto item =
        cutting::OrderItemOf({shape, false, millimetres, read.Input.Quantity, material, 0, std::nullopt});
    if (!item) {
        throw LineError("the row holds no bar the order can cut");
    }
    // The row's own texts, to write it back as it was typed.
    std::vector<std::string> fields = {std::string(row.Words.Group), std::string(row.Words.Shape),
                                       std::string(row.Words.Unit), std::string(row.Words.Quantity),
                                       material};
    for (std::string_view parameter : row.Words.Parameters) {
        fields.emplace_back(parameter);
    }
    m_reading.Rack.Rows.push_back(
        {row.Line,
         std::move(fields),
         {item->Shape, item->CrossSection, item->Material, cutting::ToUnits(item->Length), item->Quantity}});
}

std::string Record(const std::vector<std::string>& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    return text + "\n";
}

} // namespace

std::vector<cutting::RackBars> StockRack::Bars() const {
    std::vector<cutting::RackBars> bars;
    for (const RackRow& row : Rows) {
        bars.push_back(row.Bars);
    }
    return bars;
}

std::filesystem::path UserRackFile(const std::filesystem::path& userDataFolder) {
    return userDataFolder.empty() ? std::filesystem::path() : userDataFolder / "stock-rack.csv";
}

RackReading ReadRack(std::istream& in, const std::string& name, sections::SectionShapes* sections) {
    RackReading reading;
    RackTarget target(reading, name);
    if (const auto malformed = ReadListRows(in, {sections, true, "stock"}, target)) {
        reading.Problems.push_back(name + ": " + *malformed);
    }
    return reading;
}

RackReading ReadRackFile(const std::filesystem::path& file, sections::SectionShapes* sections) {
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error) {
        return {};
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file, error)) {
        RackReading reading;
        reading.Problems.push_back("cannot read " + file.string() + ": " +
                                   (errno != 0 ? std::strerror(errno) : "not a file"));
        return reading;
    }
    return ReadRack(in, file.string(), sections);
}

std::string RackText(const StockRack& rack) {
    std::string text = "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n";
    for (const RackRow& row : rack.Rows) {
        std::vector<std::string> fields = row.Fields;
        fields.at(QuantityColumn) = std::to_string(row.Bars.Count);
        text += Record(fields);
    }
    return text;
}

} // namespace volcalc::jobs
