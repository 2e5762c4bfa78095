// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/shapes.h"
#include "cutting/order_plan.h"
#include "jobs/calculation_check.h"
#include "jobs/list_rows.h"
#include "materials/material_catalogue.h"
#include "report.h"
#include "script_dialogs.h"
#include "sections/section_library.h"
#include "sections/section_shapes.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cli {

using jobs::CalculationPart;
using jobs::CalculationWords;
using jobs::CalculationWordsError;
using jobs::CheckCalculation;
using jobs::CheckedCalculation;
using jobs::QuantityMessage;

struct ScriptOptions {
    bool precise = false;                     // show figures with 17 significant digits
    bool strict = false;                      // stop at the first failing line
    std::optional<CatalogueFiles> catalogue;  // material file; none: no materials
    ReportFormat report = ReportFormat::None; // a script's when it ends, a list's row by row
    ReportUnits reportUnits;
    sections::SectionFolders sectionFolders;     // where the section tables are; empty: none
    std::optional<cutting::OrderSettings> order; // --order: the stock bars to buy, planned at the end
};

class OrderSection;

// Runs script lines against one ledger, as the window's buttons would.
class ScriptSession : private jobs::ListRowTarget {
public:
    ScriptSession(ScriptOptions options, std::ostream& out, std::ostream& err);
    ~ScriptSession() override;

    // Runs one line; false when it failed (its message is already written).
    bool RunLine(std::string_view line, std::size_t lineNumber);
    // Runs a whole stream; ends with a "show" (or the report) when the script had none.
    // Returns the exit status.
    int RunScript(std::istream& in);
    // Runs the calculations of a CSV list: group,shape,unit,quantity,material,p1..p5 per row,
    // with an optional header row. A report is written row by row and always completed, also
    // when the list stops at a malformed line or with --strict. Returns the exit status.
    int RunCsv(std::istream& in);
    // "FILE: reason" when the catalogue exists but cannot be read; empty otherwise.
    std::string CatalogueReadProblem() const;
    // --stock: the order cuts the rack's bars first. False, with each row that does not read
    // named on the error stream, when the rack cannot be used: nothing is to be planned.
    bool ReadStockRack(const std::string& file);
    // --update-stock, after a run that planned the order whole: the rack's bars the plan cuts
    // leave the rack, its remnants join it. False, with the reason written, when it is not changed.
    bool UpdateStockRack(const std::string& file);

    // Everything a line can change; a failing line leaves it equal.
    struct State {
        LedgerTotals totals;
        bool undoAvailable = false;
        std::int32_t density = 0;
        bool densityFixed = false;
        int material = -1;
        MaterialList materials;
        std::string currency;
        std::vector<PartsListRow> rows;
        friend bool operator==(const State&, const State&) = default;
    };
    State CurrentState() const;

    const Ledger& GetLedger() const { return m_ledger; }
    const Report& GetReport() const { return m_report; }

private:
    using Words = std::vector<std::string_view>;

    // What a failing line must leave as it found it besides the ledger, which changes only
    // when a calculation succeeds.
    struct Selection {
        bool followsCatalogue = false;
        int material = -1;
        std::int32_t density = 0;
    };

    void Dispatch(const Words& words);
    void Calculate(const Words& words);
    // Throws OverflowError when the row or the totals it would leave cannot be written in the
    // report's units, before anything changes.
    void AddCalculation(const CheckedCalculation& calculation);
    // What the report's End writes after its totals: the order, when one is asked for.
    PartsListAppendix OrderAppendix();
    // --csv with --order: the order's CSV is the whole output.
    bool OrderCsvOnly() const;
    // A list's rows, read by the list reader.
    bool Begin(std::size_t line) override;
    void Take(const jobs::ListRow& row) override;
    void Refuse(const std::string& place, const std::string& message) override;
    void SetCsvMaterial(std::string_view text);
    void Undo();
    void Reset();
    int Finish(bool failed);
    bool Failed(const std::string& place, const Selection& before);
    Selection SavedSelection() const;
    void Restore(const Selection& selection);
    void Show(const Words& words);
    void SetDensity(const Words& words);
    // A "density" command or column holds its density until a material is picked.
    void FixDensity(std::int32_t density);
    // The density in force follows the selected material again.
    void FollowCatalogue();
    void PickMaterial(const Words& words);
    void ListMaterials(const Words& words);
    void AddMaterial(const Words& words);
    void RemoveMaterial(const Words& words);
    void SetPrice(const Words& words);
    void SetCurrency(const Words& words);
    // The report's prices: the catalogue's currency.
    ReportPrices Prices() const;
    // The same for a report written before its rows are made: the text has costs when the
    // catalogue has a price.
    ReportPrices RowByRowPrices() const;
    MaterialCatalogue& Catalogue();
    int FindMaterial(std::string_view name);
    std::string Figure(double value) const;
    // The one check of a calculation's words, with the standard sections; the tables' load
    // problems are reported once, when they are first read.
    CheckedCalculation Check(const CalculationWords& words);
    // After a calculation that held: the quantity's reading, when it is not the typed number.
    void WarnAboutQuantity(const std::string& place, const CalculationWords& words,
                           const CheckedCalculation& calculation);
    void WarnAboutSectionTables();

    ScriptOptions m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_failure; // message of the failing line
    ScriptDialogs m_dialogs{m_failure};
    // Declared before the ledger that reads its density from it, so that it outlives the ledger.
    std::unique_ptr<MaterialCatalogue> m_catalogue;
    Ledger m_ledger;
    bool m_shown = false;
    std::size_t m_line = 0;
    Words m_words;
    // Before the report: its rows name the sections they were made of.
    sections::SectionLibrary m_sectionLibrary;
    sections::SectionShapes m_sectionShapes;
    bool m_sectionTablesChecked = false;
    Report m_report;
    // A list's report is written as its rows are made: a list has no undo or reset.
    std::unique_ptr<PartsListWriter> m_rowWriter;
    std::unique_ptr<OrderSection> m_order;
    // Each calculation's row, made in the storage of the one before.
    PartsListRow m_row;
    // A list's run: whether a row failed, and the selection before the row being read.
    bool m_csvFailed = false;
    Selection m_csvBefore;
};

} // namespace volcalc::cli
