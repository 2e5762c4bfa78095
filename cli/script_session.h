#pragma once

#include "calc/ledger.h"
#include "materials/material_catalogue.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cli {

struct ScriptOptions {
    bool precise = false;                           // show figures with 17 significant digits
    bool strict = false;                            // stop at the first failing line
    std::optional<std::filesystem::path> catalogue; // material file; none: no materials
};

// Runs script lines against one ledger, as the window's buttons would.
class ScriptSession : private LedgerView, private DensitySource, private CatalogueDialogs {
public:
    ScriptSession(ScriptOptions options, std::ostream& out, std::ostream& err);
    ~ScriptSession() override;

    // Runs one line; false when it failed (its message is already written).
    bool RunLine(std::string_view line, std::size_t lineNumber);
    // Runs a whole stream; ends with a "show" when the script had none. Returns the exit status.
    int RunScript(std::istream& in);

    const Ledger& GetLedger() const { return m_ledger; }

private:
    using Words = std::vector<std::string_view>;

    void Dispatch(const Words& words);
    void Calculate(CalcGroup group, const Words& words);
    void Show(const Words& words);
    void SetDensity(const Words& words);
    void PickMaterial(const Words& words);
    void ListMaterials(const Words& words);
    void AddMaterial(const Words& words);
    void RemoveMaterial(const Words& words);
    MaterialCatalogue& Catalogue();
    int FindMaterial(std::string_view name);
    std::string Figure(double value) const;

    // LedgerView
    void ShowTotals(const LedgerTotals&) override {}
    void SetUndoEnabled(bool) override {}
    void ResetDisplayUnits() override {}
    void ShowWarning(const std::string& text) override;
    // DensitySource: a "density" command overrides the selected material until one is picked.
    std::int32_t SelectedDensity() const override;
    void SelectMaterial() override;
    // CatalogueDialogs: scripts answer every question themselves.
    bool RunAddMaterialDialog() override { return true; }
    bool Confirm(const std::string&) override { return true; }
    void ShowError(const std::string& text) override;
    void SetBusyCursor(bool) override {}

    ScriptOptions m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    Ledger m_ledger;
    std::unique_ptr<MaterialCatalogue> m_catalogue;
    std::optional<std::int32_t> m_fixedDensity;
    std::string m_failure; // message of the failing line
    bool m_shown = false;
    Words m_words;
};

} // namespace volcalc::cli
