#include "script_session.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/quantity.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "script_line_error.h"
#include "script_words.h"

#include <algorithm>
#include <charconv>
#include <istream>

namespace volcalc::cli {

ScriptSession::ScriptSession(ScriptOptions options, std::ostream& out, std::ostream& err)
    : m_options(std::move(options)), m_out(out), m_err(err), m_ledger(*this) {
    m_ledger.ClearLedger();
    if (m_options.catalogue) {
        CatalogueDialogs& dialogs = *this;
        m_catalogue = std::make_unique<MaterialCatalogue>(*m_options.catalogue, dialogs);
        m_catalogue->LoadMaterials();
        FollowCatalogue();
    }
}

ScriptSession::~ScriptSession() = default;

int ScriptSession::RunScript(std::istream& in) {
    std::string line;
    std::size_t lineNumber = 0;
    bool failed = false;
    while (std::getline(in, line)) {
        const bool held = RunLine(line, ++lineNumber);
        if (!m_out) {
            return 2; // output that cannot be written ends the run
        }
        if (!held) {
            failed = true;
            if (m_options.strict) {
                return 1;
            }
        }
    }
    return Finish(failed);
}

int ScriptSession::Finish(bool failed) {
    switch (m_options.report) {
    case ReportFormat::None:
        if (!m_shown) {
            RunLine("show", m_line + 1);
        }
        break;
    case ReportFormat::Text:
        WriteTextReport(m_out, m_report, m_ledger.Totals(), m_options.reportUnits);
        break;
    case ReportFormat::Csv:
        WriteCsvReport(m_out, m_report, m_ledger.Totals(), m_options.reportUnits);
        break;
    case ReportFormat::Json:
        WriteJsonReport(m_out, m_report, m_ledger.Totals(), m_options.reportUnits);
        break;
    }
    return failed ? 1 : 0;
}

bool ScriptSession::RunLine(std::string_view line, std::size_t lineNumber) {
    m_line = lineNumber;
    if (IsIgnoredLine(line)) {
        return true;
    }
    m_failure.clear();
    try {
        if (std::string error = SplitWords(line, m_words); !error.empty()) {
            throw LineError(error);
        }
        Dispatch(m_words);
    } catch (const ECalcError& e) {
        m_failure = ErrorBoxText(e.what());
    } catch (const LineError& e) {
        m_failure = e.what();
    }
    if (m_failure.empty()) {
        return true;
    }
    m_err << "line " << lineNumber << ": " << m_failure << '\n';
    return false;
}

void ScriptSession::Dispatch(const Words& words) {
    const std::string_view command = words[0];
    if (command == "object") {
        Calculate(CalcGroup::Object, words);
    } else if (command == "aperture") {
        Calculate(CalcGroup::Aperture, words);
    } else if (command == "show") {
        Show(words);
    } else if (command == "undo") {
        ExpectWords(words, 1, 1, "undo");
        Undo();
    } else if (command == "reset") {
        ExpectWords(words, 1, 1, "reset");
        Reset();
    } else if (command == "density") {
        SetDensity(words);
    } else if (command == "material") {
        PickMaterial(words);
    } else if (command == "materials") {
        ListMaterials(words);
    } else if (command == "add-material") {
        AddMaterial(words);
    } else if (command == "remove-material") {
        RemoveMaterial(words);
    } else {
        throw LineError("unknown command " + Quoted(command));
    }
}

void ScriptSession::Calculate(CalcGroup group, const Words& words) {
    const bool object = group == CalcGroup::Object;
    if (words.size() < 4) {
        throw LineError(std::string("usage: ") + (object ? "object" : "aperture") +
                        " SHAPE UNIT QUANTITY P...");
    }
    const ShapeEntry* shape = FindShape(group, words[1]);
    if (shape == nullptr) {
        throw LineError(std::string("unknown ") + (object ? "object" : "aperture") + " shape " +
                        Quoted(words[1]));
    }
    if (shape->Rule == nullptr) {
        throw LineError(Quoted(words[1]) + " is not a solid: choose an aperture shape");
    }
    if (!LengthUnitFromName(words[2])) {
        throw LineError("unknown length unit " + Quoted(words[2]));
    }
    const std::size_t given = words.size() - 4;
    if (given != shape->Parameters.size()) {
        throw LineError(Quoted(shape->DisplayName) + " takes " + std::to_string(shape->Parameters.size()) +
                        " parameters, " + std::to_string(given) + " given");
    }
    const QuantityRules& rules = QuantityFieldRules;
    const std::int32_t quantity = rules.Clamp(rules.Read(words[3]));
    AddCalculation(
        {group, shape, words[2], quantity, std::span<const std::string_view>(words.data() + 4, given)});
}

void ScriptSession::AddCalculation(const Calculation& c) {
    if (!m_ledger.Calculate(c.group, {*c.shape->Rule, c.texts, c.quantity, c.unit})) {
        return;
    }
    if (m_options.report == ReportFormat::None) {
        return;
    }
    const CalculationResult piece =
        *ComputeCalculation({*c.shape->Rule, c.texts, 1, c.unit}, m_ledger.CurrentDensity());
    const double sign = c.group == CalcGroup::Object ? 1.0 : -1.0;
    ReportRow row{m_line,
                  c.group,
                  c.shape->DisplayName,
                  *std::find(LengthUnitNames.begin(), LengthUnitNames.end(), c.unit),
                  c.quantity,
                  {c.texts.begin(), c.texts.end()},
                  MaterialLabel(),
                  m_ledger.CurrentDensity(),
                  sign * piece.Volume,
                  sign * m_ledger.LastResult().Volume,
                  sign * piece.Mass,
                  sign * m_ledger.LastResult().Mass};
    m_report.Add(std::move(row));
}

std::string ScriptSession::MaterialLabel() const {
    if (m_ledger.HasDensitySource() && m_catalogue->SelectedIndex() >= 0) {
        return m_catalogue->Names()[static_cast<std::size_t>(m_catalogue->SelectedIndex())];
    }
    return "density " + std::to_string(m_ledger.CurrentDensity());
}

void ScriptSession::Undo() {
    if (!m_ledger.UndoAvailable()) {
        throw LineError("nothing to undo");
    }
    m_ledger.UndoLast();
    m_report.Undo();
}

void ScriptSession::Reset() {
    m_ledger.ResetAll();
    m_report.Reset();
}

void ScriptSession::Show(const Words& words) {
    ExpectWords(words, 1, 3, "show [VOLUME_UNIT [MASS_UNIT]]");
    const auto volumeUnit = words.size() > 1 ? VolumeUnitFromName(words[1]) : DefaultVolumeUnit;
    if (!volumeUnit) {
        throw LineError("unknown volume unit " + Quoted(words[1]));
    }
    const auto massUnit = words.size() > 2 ? MassUnitFromName(words[2]) : DefaultMassUnit;
    if (!massUnit) {
        throw LineError("unknown mass unit " + Quoted(words[2]));
    }
    m_shown = true;
    if (m_options.report == ReportFormat::Csv || m_options.report == ReportFormat::Json) {
        return; // the document is the whole output
    }
    const LedgerTotals& t = m_ledger.Totals();
    const std::string volumes[] = {Figure(VolumeForDisplay(t.ObjectVolume, *volumeUnit)),
                                   Figure(VolumeForDisplay(t.ApertureVolume, *volumeUnit)),
                                   Figure(VolumeForDisplay(t.TotalVolume, *volumeUnit))};
    const std::string masses[] = {Figure(MassForDisplay(t.ObjectMass, *massUnit)),
                                  Figure(MassForDisplay(t.ApertureMass, *massUnit)),
                                  Figure(MassForDisplay(t.TotalMass, *massUnit))};
    m_out << "volume\t" << NameOf(*volumeUnit) << '\t' << volumes[0] << '\t' << volumes[1] << '\t'
          << volumes[2] << '\n';
    m_out << "mass\t" << NameOf(*massUnit) << '\t' << masses[0] << '\t' << masses[1] << '\t' << masses[2]
          << '\n';
    m_shown = true;
}

std::string ScriptSession::Figure(double value) const {
    if (!m_options.precise) {
        return FormatResult(value);
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text[point] = DecimalSeparator();
    }
    return text;
}

void ScriptSession::SetDensity(const Words& words) {
    ExpectWords(words, 2, 2, "density N");
    const auto density = ReadIntegerText(words[1]);
    if (!density) {
        throw InvalidIntegerError(std::string(words[1]));
    }
    FixDensity(*density);
}

void ScriptSession::FixDensity(std::int32_t density) {
    m_ledger.SetDensitySource(nullptr);
    m_ledger.SetDensity(density);
}

void ScriptSession::FollowCatalogue() {
    m_ledger.SetDensitySource(m_catalogue.get());
    m_ledger.RefreshDensity();
}

MaterialCatalogue& ScriptSession::Catalogue() {
    if (!m_catalogue) {
        throw LineError("no material catalogue");
    }
    return *m_catalogue;
}

int ScriptSession::FindMaterial(std::string_view name) {
    const auto& names = Catalogue().Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    throw LineError("no material named " + Quoted(name));
}

void ScriptSession::PickMaterial(const Words& words) {
    ExpectWords(words, 2, 2, "material NAME");
    const int index = FindMaterial(words[1]);
    m_catalogue->PickMaterial(index);
    FollowCatalogue();
}

void ScriptSession::ListMaterials(const Words& words) {
    ExpectWords(words, 1, 1, "materials");
    const MaterialCatalogue& catalogue = Catalogue();
    for (std::size_t i = 0; i < catalogue.Names().size(); ++i) {
        m_out << catalogue.Names()[i] << '\t' << catalogue.MaterialDensities()[i] << '\n';
    }
}

void ScriptSession::AddMaterial(const Words& words) {
    ExpectWords(words, 3, 3, "add-material NAME DENSITY");
    MaterialCatalogue& catalogue = Catalogue();
    const std::int32_t density = DensityFromText(words[2]);
    catalogue.NewMaterialName = std::string(words[1]);
    catalogue.NewMaterialDensity = density;
    catalogue.AddMaterial();
}

void ScriptSession::RemoveMaterial(const Words& words) {
    ExpectWords(words, 2, 2, "remove-material NAME");
    const int index = FindMaterial(words[1]);
    m_catalogue->PickMaterial(index);
    FollowCatalogue();
    m_catalogue->RemoveMaterial();
    // With the last material gone the density of the removed one stays in force.
    if (m_catalogue->SelectedIndex() >= 0) {
        m_ledger.RefreshDensity();
    }
}

void ScriptSession::ShowWarning(const std::string& text) {
    m_failure = OneLine(text);
}

void ScriptSession::ShowError(const std::string& text) {
    m_failure = text;
}

} // namespace volcalc::cli
