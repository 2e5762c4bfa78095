// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/row_edits.h"

#include "calc/calculation_reading.h"
#include "calc/errors.h"
#include "calc/quantity.h"
#include "calc/row_evaluation.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "materials/material_catalogue.h"

#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace volcalc::ui {
namespace {

std::optional<MaterialView> CatalogueMaterial(const MaterialCatalogue& catalogue, std::string_view name) {
    for (const MaterialView material : catalogue.Materials()) {
        if (material.Name == name) {
            return material;
        }
    }
    return std::nullopt;
}

// "a=100; b=1000" or "100; 1000": the texts after each letter.
std::vector<std::string> ParameterTexts(const QString& text) {
    std::vector<std::string> texts;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        texts.push_back((equals < 0 ? part : part.mid(equals + 1)).trimmed().toStdString());
    }
    return texts;
}

} // namespace

PartsListRow EditedRow(const PartsListRow& row, int column, const QString& text,
                       const MaterialCatalogue& catalogue) {
    PartsListRow edited = row;
    switch (column) {
    case PartsListModel::QuantityColumn:
        edited.Quantity = QuantityFieldRules.Clamp(QuantityFieldRules.Read(text.toStdString()));
        break;
    case PartsListModel::UnitColumn:
        if (const std::optional<LengthUnit> unit = LengthUnitFromName(text.toStdString())) {
            edited.Unit = *unit;
        }
        break;
    case PartsListModel::ParametersColumn:
        edited.Parameters = ParameterTexts(text);
        if (edited.Parameters.size() != row.Shape->Parameters.size()) {
            throw WrongDataError();
        }
        break;
    case PartsListModel::MaterialColumn:
        if (const std::optional<MaterialView> material = CatalogueMaterial(catalogue, text.toStdString())) {
            edited.Material = std::string(material->Name);
            edited.Density = material->Density;
            edited.PricePerKg = material->Price;
        }
        break;
    case PartsListModel::MarkColumn:
        edited.Mark = text.toStdString();
        return edited;
    case PartsListModel::NoteColumn:
        edited.Note = text.toStdString();
        return edited;
    default:
        return row;
    }
    return EvaluateAgain(edited);
}

MaterialDifference CompareWithCatalogue(const PartsListRow& row, const MaterialCatalogue& catalogue) {
    if (row.Material.empty()) {
        return {};
    }
    const std::optional<MaterialView> material = CatalogueMaterial(catalogue, row.Material);
    if (!material) {
        return {.Missing = true};
    }
    return {.DensityChanged = material->Density != row.Density,
            .PriceChanged = material->Price != row.PricePerKg};
}

std::vector<PartsListRow> Repriced(const std::vector<PartsListRow>& rows,
                                   const MaterialCatalogue& catalogue) {
    std::vector<PartsListRow> repriced;
    repriced.reserve(rows.size());
    for (const PartsListRow& row : rows) {
        const std::optional<MaterialView> material =
            row.Material.empty() ? std::nullopt : CatalogueMaterial(catalogue, row.Material);
        if (!material || (material->Density == row.Density && material->Price == row.PricePerKg)) {
            repriced.push_back(row);
            continue;
        }
        PartsListRow next = row;
        next.Density = material->Density;
        next.PricePerKg = material->Price;
        repriced.push_back(EvaluateAgain(next));
    }
    return repriced;
}

} // namespace volcalc::ui
