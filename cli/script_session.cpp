// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_session.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/number_writer.h"
#include "calc/parts_list_writers.h"
#include "calc/price.h"
#include "calc/quantity.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "order_section.h"
#include "script_line_error.h"
#include "script_words.h"
#include "section_listing.h"

#include <algorithm>
#include <istream>

namespace volcalc::cli {

ScriptSession::ScriptSession(ScriptOptions options, std::ostream& out, std::ostream& err)
    : m_options(std::move(options)), m_out(out), m_err(err), m_sectionLibrary(m_options.sectionFolders),
      m_sectionShapes(m_sectionLibrary) {
    m_ledger.ClearLedger();
    if (m_options.order) {
        m_order = std::make_unique<OrderSection>(*m_options.order);
    }
    if (m_options.catalogue) {
        m_catalogue = std::make_unique<MaterialCatalogue>(*m_options.catalogue, m_dialogs);
        m_catalogue->LoadMaterials();
        FollowCatalogue();
    }
}

ScriptSession::~ScriptSession() = default;

std::string ScriptSession::CatalogueReadProblem() const {
    return m_catalogue ? m_catalogue->ReadProblem() : std::string();
}

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
    if (m_order && !m_order->Plan(m_err)) {
        failed = true;
    }
    if (OrderCsvOnly()) {
        m_order->WriteCsv(m_out);
    } else if (m_rowWriter) {
        m_rowWriter->End(m_ledger.Totals());
    } else if (m_options.report != ReportFormat::None) {
        WritePartsList(PartsListFormatOf(m_options.report), m_out, m_report, m_ledger.Totals(),
                       m_options.reportUnits, OrderAppendix(), Prices());
    } else {
        if (!m_shown) {
            RunLine("show", m_line + 1);
        }
        if (m_order) {
            m_order->WriteText(m_out, m_options.reportUnits.Mass, Prices().Currency);
        }
    }
    return failed ? 1 : 0;
}

bool ScriptSession::OrderCsvOnly() const {
    return m_order && m_options.report == ReportFormat::Csv;
}

PartsListAppendix ScriptSession::OrderAppendix() {
    if (!m_order) {
        return {};
    }
    if (m_options.report == ReportFormat::Json) {
        return [this](std::ostream& out) { m_order->WriteJsonMember(out, m_options.reportUnits.Mass); };
    }
    return
        [this](std::ostream& out) { m_order->WriteText(out, m_options.reportUnits.Mass, Prices().Currency); };
}

ScriptSession::State ScriptSession::CurrentState() const {
    State state{m_ledger.Totals(),
                m_ledger.UndoAvailable(),
                m_ledger.CurrentDensity(),
                !m_ledger.FollowsDensitySource(),
                -1,
                {},
                {},
                m_report.Rows()};
    if (m_catalogue) {
        state.material = m_catalogue->SelectedIndex();
        state.materials = m_catalogue->Materials();
        state.currency = m_catalogue->Currency();
    }
    return state;
}

ScriptSession::Selection ScriptSession::SavedSelection() const {
    return {m_ledger.FollowsDensitySource(), m_catalogue ? m_catalogue->SelectedIndex() : -1,
            m_ledger.CurrentDensity()};
}

void ScriptSession::Restore(const Selection& selection) {
    if (m_catalogue && selection.material >= 0 && m_catalogue->SelectedIndex() != selection.material &&
        static_cast<std::size_t>(selection.material) < m_catalogue->Materials().size()) {
        m_catalogue->PickMaterial(selection.material);
    }
    m_ledger.SetDensitySource(selection.followsCatalogue ? m_catalogue.get() : nullptr);
    m_ledger.SetDensity(selection.density);
}

// Reports the failure of the line or row just run, if it failed, and undoes what it changed.
bool ScriptSession::Failed(const std::string& place, const Selection& before) {
    if (m_failure.empty()) {
        return false;
    }
    Restore(before);
    m_err << place << ": " << m_failure << '\n';
    return true;
}

bool ScriptSession::RunLine(std::string_view line, std::size_t lineNumber) {
    m_line = lineNumber;
    if (IsIgnoredLine(line)) {
        return true;
    }
    m_failure.clear();
    const Selection before = SavedSelection();
    try {
        SplitWords(line, m_words);
        Dispatch(m_words);
    } catch (const CalculationError& e) {
        m_failure = ErrorBoxText(e.what());
    } catch (const LineError& e) {
        m_failure = e.what();
    }
    return m_failure.empty() || !Failed("line " + std::to_string(lineNumber), before);
}

void ScriptSession::Dispatch(const Words& words) {
    const std::string_view command = words[0];
    if (command == "object" || command == "aperture") {
        Calculate(words);
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
    } else if (command == "price") {
        SetPrice(words);
    } else if (command == "currency") {
        SetCurrency(words);
    } else {
        throw LineError("unknown command " + Quoted(command));
    }
}

void ScriptSession::Calculate(const Words& words) {
    if (words.size() < 4) {
        throw LineError(std::string("usage: ") + std::string(words[0]) + " SHAPE UNIT QUANTITY P...");
    }
    const CalculationWords calculationWords{
        words[0], words[1], words[2], words[3],
        std::span<const std::string_view>(words.data() + 4, words.size() - 4)};
    const CheckedCalculation calculation = Check(calculationWords);
    AddCalculation(calculation);
    if (!calculation.QuantityAsTyped) {
        WarnAboutQuantity("line " + std::to_string(m_line), calculationWords, calculation);
    }
}

void ScriptSession::WarnAboutQuantity(const std::string& place, const CalculationWords& words,
                                      const CheckedCalculation& calculation) {
    if (m_failure.empty()) {
        m_err << place << ": warning: " << QuantityMessage(words, calculation) << '\n';
    }
}

CheckedCalculation ScriptSession::Check(const CalculationWords& words) {
    try {
        CheckedCalculation calculation = CheckCalculation(words, &m_sectionShapes, m_options.strict);
        WarnAboutSectionTables();
        return calculation;
    } catch (const LineError&) {
        WarnAboutSectionTables();
        throw;
    }
}

void ScriptSession::WarnAboutSectionTables() {
    if (m_sectionTablesChecked || !m_sectionLibrary.Loaded()) {
        return;
    }
    m_sectionTablesChecked = true;
    WarnAboutTables(m_sectionLibrary.Catalogue(), m_err);
}

void ScriptSession::AddCalculation(const CheckedCalculation& c) {
    try {
        m_ledger.EvaluateInto(c.Read, m_row);
    } catch (const WrongDataError& refusal) {
        throw LineError(OneLine(refusal.what())); // the window's warning, on one line
    }
    PartsListRow* const row = &m_row;
    row->Line = m_line;
    if (m_options.report != ReportFormat::None) {
        // A figure the report cannot write fails the line before anything changes.
        FiguresOf(*row, m_options.reportUnits);
        TotalsIn(TotalsAfter(m_ledger.Totals(), *row), m_options.reportUnits);
    }
    m_ledger.Add(*row);
    if (m_order) {
        m_order->Add(*row);
    }
    if (m_options.report == ReportFormat::None) {
        return;
    }
    if (m_rowWriter) {
        m_rowWriter->Row(*row);
    } else {
        m_report.Add(*row);
    }
}

void ScriptSession::Undo() {
    if (!m_ledger.UndoAvailable()) {
        throw LineError("nothing to undo");
    }
    m_ledger.UndoLast();
    m_report.Undo();
    if (m_order) {
        m_order->Undo();
    }
}

void ScriptSession::Reset() {
    m_ledger.ResetAll();
    m_report.Reset();
    if (m_order) {
        m_order->Reset();
    }
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
    if (m_options.report == ReportFormat::Csv || m_options.report == ReportFormat::Json) {
        m_shown = true;
        return; // the document is the whole output
    }
    // A figure that cannot be shown throws before anything is written or counts as shown, so that
    // the closing totals still come.
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
    return WithDecimalSeparator(DoubleText(value, std::chars_format::general, 17));
}

void ScriptSession::SetDensity(const Words& words) {
    ExpectWords(words, 2, 2, "density N");
    const auto density = ReadIntegerText(words[1]);
    if (!density) {
        throw InvalidIntegerError(Echo(words[1]));
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
    const MaterialList& materials = Catalogue().Materials();
    for (std::size_t i = 0; i < materials.size(); ++i) {
        if (materials[i].Name == name) {
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
    if (!catalogue.Damage().empty()) {
        m_err << "volcalc-cli: warning: " << catalogue.Damage()
              << "; it is listed as read, and no change is made to it\n";
    }
    const MaterialList& materials = catalogue.Materials();
    for (const MaterialView material : materials) {
        m_out << material.Name << '\t' << material.Density;
        if (material.Price) {
            m_out << '\t' << PriceText(*material.Price);
        }
        m_out << '\n';
    }
}

void ScriptSession::AddMaterial(const Words& words) {
    ExpectWords(words, 3, 3, "add-material NAME DENSITY");
    MaterialCatalogue& catalogue = Catalogue();
    std::int32_t density = 0;
    try {
        density = DensityFromText(words[2]);
    } catch (const NotANumberError& e) {
        throw NotANumberError(EchoedMessage(e.what(), e.Text), e.Text);
    }
    catalogue.AddMaterial({words[1], density});
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

} // namespace volcalc::cli
