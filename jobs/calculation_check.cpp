// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/calculation_check.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/quantity.h"
#include "calc/units.h"

#include <optional>
#include <string>

namespace volcalc::jobs {
namespace {

CalcGroup CheckGroup(std::string_view group) {
    if (group == "object") {
        return CalcGroup::Object;
    }
    if (group == "aperture") {
        return CalcGroup::Aperture;
    }
    throw CalculationWordsError(CalculationPart::Group, 0,
                                "expected object or aperture, found " + Quoted(group));
}

// Every designation holds a size; a name without a digit was meant as a shape of the table.
bool NamesASize(std::string_view name) {
    return name.find_first_of("0123456789") != std::string_view::npos;
}

const ShapeEntry* FindSection(std::string_view name, sections::SectionShapes& sections) {
    if (const ShapeEntry* shape = sections.Find(name)) {
        return shape;
    }
    if (NamesASize(name)) {
        throw CalculationWordsError(CalculationPart::Shape, 0,
                                    sections.Library().Catalogue().UnknownMessage(name, Echo(name)));
    }
    return nullptr;
}

const ShapeEntry& CheckShape(CalcGroup group, std::string_view name, sections::SectionShapes* sections) {
    const ShapeEntry* shape = FindShape(group, name);
    if (shape == nullptr && group == CalcGroup::Object && sections != nullptr) {
        shape = FindSection(name, *sections);
    }
    if (shape == nullptr) {
        throw CalculationWordsError(CalculationPart::Shape, 0,
                                    std::string("unknown ") +
                                        (group == CalcGroup::Object ? "object" : "aperture") + " shape " +
                                        Quoted(name));
    }
    if (shape->Rule == nullptr) {
        throw CalculationWordsError(CalculationPart::Shape, 0,
                                    Quoted(name) + " is not a solid: choose an aperture shape");
    }
    return *shape;
}

void CheckCount(const ShapeEntry& shape, std::span<const std::string_view> parameters) {
    const std::size_t count = shape.Parameters.size();
    if (parameters.size() != count) {
        throw CalculationWordsError(CalculationPart::Parameter, std::min(parameters.size(), count),
                                    Quoted(shape.DisplayName) + " takes " + std::to_string(count) +
                                        (count == 1 ? " parameter, " : " parameters, ") +
                                        std::to_string(parameters.size()) + " given");
    }
}

struct QuantityReading {
    std::int32_t Value = 1;
    bool AsTyped = true;
};

// The field's reading (QuantityRules::Read, then Clamp), and whether it kept the typed number.
// An empty text is the field's empty state, 1, and not a mistyped number.
QuantityReading ReadQuantity(std::string_view text) {
    const QuantityRules& rules = QuantityFieldRules;
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {rules.MinValue, true};
    }
    const std::optional<std::int32_t> typed = ReadIntegerText(text.substr(start));
    if (!typed) {
        return {rules.MinValue, false};
    }
    const std::int32_t value = rules.Clamp(*typed);
    return {value, value == *typed};
}

std::string ReadAsMessage(std::string_view quantity, std::int32_t value) {
    return "quantity " + Quoted(quantity) + " is read as " + std::to_string(value);
}

// The ledger's reading of the texts, with the message the window gives for the same text.
ReadCalculation ReadParameters(CalcGroup group, const CalculationInput& input) {
    if (const std::size_t empty = FirstEmptyText(input.Texts); empty < input.Texts.size()) {
        throw CalculationWordsError(CalculationPart::Parameter, empty,
                                    OneLine(std::string(WrongDataWarning)));
    }
    try {
        return ReadCalculationTexts(group, input).value();
    } catch (const ParameterTextError& e) {
        throw CalculationWordsError(CalculationPart::Parameter, e.Index,
                                    ErrorBoxText(EchoedMessage(e.what(), e.QuotedText)));
    }
}

} // namespace

std::string QuantityMessage(const CalculationWords& words, const CheckedCalculation& calculation) {
    return ReadAsMessage(words.Quantity, calculation.Read.Input.Quantity);
}

CheckedCalculation CheckCalculation(const CalculationWords& words, sections::SectionShapes* sections,
                                    bool strictQuantity) {
    const CalcGroup group = CheckGroup(words.Group);
    const ShapeEntry& shape = CheckShape(group, words.Shape, sections);
    const std::optional<LengthUnit> unit = LengthUnitFromName(words.Unit);
    if (!unit) {
        throw CalculationWordsError(CalculationPart::Unit, 0, "unknown length unit " + Quoted(words.Unit));
    }
    CheckCount(shape, words.Parameters);
    const QuantityReading quantity = ReadQuantity(words.Quantity);
    if (!quantity.AsTyped && strictQuantity) {
        throw CalculationWordsError(CalculationPart::Quantity, 0,
                                    ReadAsMessage(words.Quantity, quantity.Value));
    }
    return {&shape, ReadParameters(group, {shape, words.Parameters, quantity.Value, *unit}),
            quantity.AsTyped};
}

} // namespace volcalc::jobs
