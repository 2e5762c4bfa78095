// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/csv_import.h"

#include "calc/errors.h"
#include "jobs/list_rows.h"
#include "materials/material_catalogue.h"

#include <algorithm>
#include <utility>

namespace volcalc::ui {
namespace {

// A material as the ledger reads the one picked.
class FixedMaterial final : public DensitySource {
public:
    explicit FixedMaterial(const DensityInForce& material) : m_material(material) {}
    std::int32_t SelectedDensity() const override { return m_material.Density; }
    std::string SelectedName() const override { return m_material.Material; }
    std::optional<double> SelectedPrice() const override { return m_material.PricePerKg; }

private:
    const DensityInForce& m_material;
};

class ImportTarget final : public jobs::ListRowTarget {
public:
    ImportTarget(const MaterialCatalogue& catalogue, DensityInForce inForce)
        : m_catalogue(catalogue), m_material(std::move(inForce)) {}

    CsvImport Result;

    bool Begin(std::size_t) override { return true; }

    void Take(const jobs::ListRow& row) override {
        const DensityInForce material = MaterialOf(row);
        const FixedMaterial source(material);
        Ledger ledger;
        ledger.SetDensitySource(&source);
        PartsListRow added;
        try {
            added = ledger.Evaluate(row.Calculation.Read);
        } catch (const WrongDataError& refusal) {
            throw jobs::LineError(jobs::OneLine(refusal.what()));
        }
        m_material = material;
        Result.Rows.push_back(std::move(added));
    }

    void Refuse(const std::string& place, const std::string& message) override {
        Result.Refusals.push_back(place + ": " + message);
    }

private:
    DensityInForce MaterialOf(const jobs::ListRow& row) const {
        if (row.Density) {
            return {{}, *row.Density, std::nullopt};
        }
        if (row.Material.empty()) {
            return m_material;
        }
        const MaterialList& materials = m_catalogue.Materials();
        const auto found = std::find_if(materials.begin(), materials.end(),
                                        [&](MaterialView material) { return material.Name == row.Material; });
        if (found == materials.end()) {
            throw jobs::ColumnError(jobs::MaterialColumn, "no material named " + jobs::Quoted(row.Material));
        }
        const MaterialView material = *found;
        return {std::string(material.Name), material.Density, material.Price};
    }

    const MaterialCatalogue& m_catalogue;
    DensityInForce m_material;
};

} // namespace

CsvImport ImportCsvList(std::istream& in, sections::SectionShapes* sections,
                        const MaterialCatalogue& catalogue, DensityInForce inForce) {
    ImportTarget target(catalogue, std::move(inForce));
    const jobs::ListReading reading{sections, false, {}};
    if (const std::optional<std::string> malformed = jobs::ReadListRows(in, reading, target)) {
        target.Result.Refusals.push_back(*malformed);
    }
    return std::move(target.Result);
}

} // namespace volcalc::ui
