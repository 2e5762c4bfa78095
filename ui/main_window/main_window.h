// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/parts_list.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "materials/material_catalogue.h"
#include "sections/section_library.h"
#include "sections/section_shapes.h"
#include "ui/dialogs/catalogue_dialogs.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace volcalc::ui {

class AboutBox;
class AddMaterialDialog;
class CatalogueWatcher;
class GroupPanel;
class JobSession;
class PartsListModel;
class PartsListWindow;
class TotalsPanel;

struct MainWindowOptions {
    // The material file; empty for the program's own (see ProgramCatalogue).
    std::filesystem::path IniPath;
    // The catalogue's dialogs; null for the program's own (the add-material dialog and the
    // message dialog routine).
    CatalogueDialogs* Dialogs = nullptr;
    // The folder of the help files; empty for the program's data folder.
    std::filesystem::path HelpFolder = {};
    // Where the standard section tables are; none for the program's and the user's own.
    std::optional<sections::SectionFolders> SectionTables = {};
    // Where an unsaved parts list is kept against a crash; empty for nowhere.
    std::filesystem::path RecoveryFolder = {};
};

// The main window: material, object and aperture groups, the toolbar and the six totals.
class MainWindow : public QWidget, private LedgerView {
public:
    explicit MainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows the toolbar and the material group open; until they are set, nothing opens.
    void SetAboutBox(AboutBox* box) { m_aboutBox = box; }
    void SetAddMaterialDialog(AddMaterialDialog* dialog) { m_windowDialogs.SetAddMaterialDialog(dialog); }
    // Runs make, which sets those two windows, just before either is first needed: the window's
    // first paint does not wait for them.
    void MakeDialogsOnFirstUse(std::function<void()> make) { m_makeDialogs = std::move(make); }

    const Ledger& LedgerState() const { return m_ledger; }
    const MaterialCatalogue& Catalogue() const { return *m_catalogue; }
    JobSession& Job() { return *m_job; }

    // At start: opens a job given on the command line in the parts list window, or else offers to
    // restore a list a crash left unsaved.
    void OpenJobAtStart(const QString& file);
    // Shows the parts list window, made when first asked for.
    void ShowPartsList();

protected:
    void showEvent(QShowEvent* event) override;
    // Unsaved changes to the list are saved, discarded or the closing cancelled.
    void closeEvent(QCloseEvent* event) override;

private:
    // main_window_layout.cpp
    void BuildLayout();
    void BuildToolbar();
    void BuildMaterialGroup();
    void SetTabOrder();
    GroupPanel& Group(CalcGroup group) { return *m_groups[static_cast<std::size_t>(group)]; }

    void WireHandlers();
    void SetUpFirstState();
    void SyncMaterialList();
    // Runs a change of the catalogue and shows the list the file holds afterwards.
    template <typename Change> void ChangeCatalogue(Change change);
    // After a change: the density in force follows a pick the change moved.
    void FollowPick(const DensityInForce& picked);
    void catalogueChangedElsewhere();

    // What the user's actions run.
    void undoClicked();
    void resetClicked();
    void aboutClicked();
    void helpClicked();
    void exitClicked();
    void materialChosen();
    void addMaterialClicked();
    void MakeDialogsIfDue();
    void removeMaterialClicked();
    void volumeUnitChosen();
    void massUnitChosen();
    void partsListClicked();
    void EditPrices(QWidget* parent);

    // Shows a refused calculation's warning; AddCalculation does the rest.
    void Calculate(CalcGroup group);
    void AddCalculation(CalcGroup group);
    // parts_list_hooks.cpp: the parts list follows the totals and the display units; the totals
    // are always the list's.
    ReportUnits ShownUnits() const;
    void MakeJob(const std::filesystem::path& recoveryFolder);
    void ListChanged();
    // job_hooks.cpp: the list as a job file and back, and a list imported.
    std::string JobText() const;
    std::function<void()> ReadJobFile(const std::filesystem::path& file);
    void ShowJobUnits(ReportUnits units);
    void ImportCsv(QWidget* parent, const QString& file);
    sections::SectionShapes* JobSections();
    // LedgerView
    void ShowTotals(const LedgerTotals& totals) override;
    void SetUndoEnabled(bool enabled) override;
    void ResetDisplayUnits() override;
    void ShowDensity(std::int32_t density) override;

    // Declared before the ledger, which points at the catalogue as its density source, so that
    // the catalogue outlives that pointer; the catalogue in turn points at the dialogs.
    WindowCatalogueDialogs m_windowDialogs;
    std::unique_ptr<MaterialCatalogue> m_catalogue;
    Ledger m_ledger;
    CatalogueDialogs* m_catalogueDialogs = nullptr;
    std::unique_ptr<CatalogueWatcher> m_catalogueWatcher;
    bool m_changingCatalogue = false;  // a change shows the file's list itself when it ends
    std::string m_reportedReadProblem; // why the catalogue could not be read, as last told
    AboutBox* m_aboutBox = nullptr;
    std::function<void()> m_makeDialogs;
    std::filesystem::path m_helpFolder;
    bool m_placed = false;
    PartsListModel* m_partsList = nullptr;
    PartsListWindow* m_partsListWindow = nullptr;
    JobSession* m_job = nullptr;
    bool m_keepingUnits = false; // a reset is under way
    // The standard sections that rows read from a file name; they outlive every row made of them.
    std::unique_ptr<sections::SectionLibrary> m_jobLibrary;
    std::unique_ptr<sections::SectionShapes> m_jobSections;
    std::string m_jobCurrency; // the currency of the job opened last; empty: the catalogue's

    // Toolbar
    QToolButton* m_undoButton = nullptr;
    QToolButton* m_resetButton = nullptr;
    QToolButton* m_aboutButton = nullptr;
    QToolButton* m_helpButton = nullptr;
    QToolButton* m_exitButton = nullptr;
    QToolButton* m_partsListButton = nullptr;
    // Material group
    QWidget* m_materialGroup = nullptr;
    QToolButton* m_addMaterialButton = nullptr;
    QComboBox* m_materialList = nullptr;
    QToolButton* m_removeMaterialButton = nullptr;
    QLineEdit* m_densityField = nullptr;
    // Object and aperture, indexed by CalcGroup
    std::array<std::unique_ptr<GroupPanel>, 2> m_groups;
    std::unique_ptr<TotalsPanel> m_totals;
    sections::SectionFolders m_sectionTables;
};

} // namespace volcalc::ui
