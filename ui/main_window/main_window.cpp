// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/program_folders.h"
#include "calc/units.h"
#include "sections/section_folders.h"
#include "ui/desktop/catalogue_watcher.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/help_launcher.h"
#include "ui/desktop/screen_placement.h"
#include "ui/dialogs/about_box.h"
#include "ui/main_window/group_panel.h"
#include "ui/main_window/totals_panel.h"
#include "ui/parts_list/job_session.h"
#include "ui/parts_list/list_commands.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/parts_list/prices_dialog.h"
#include "ui/text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <string_view>
#include <utility>
#include <vector>

namespace volcalc::ui {
namespace {

constexpr std::string_view CatalogueUnreadable = "The material catalogue cannot be read.";

std::filesystem::path Executable() {
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

// Rebuilds the material list from the catalogue even when an operation stops half-way.
template <typename Operation, typename Sync> void ThenSync(Operation operation, Sync sync) {
    try {
        operation();
    } catch (...) {
        sync();
        throw;
    }
    sync();
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent) : QWidget(parent), m_ledger(*this) {
    m_catalogueDialogs = options.Dialogs ? options.Dialogs : &m_windowDialogs;
    CatalogueFiles files = options.IniPath.empty()
                               ? ProgramCatalogue(Executable(), UserFolders::FromEnvironment())
                               : CatalogueFiles(options.IniPath);
    m_helpFolder = options.HelpFolder.empty() ? ProgramDataFolder(Executable()) : options.HelpFolder;
    m_sectionTables = options.SectionTables
                          ? *options.SectionTables
                          : sections::ProgramSectionFolders(Executable(), UserFolders::FromEnvironment());
    m_catalogueWatcher = std::make_unique<CatalogueWatcher>(
        files.File, [this] { RunHandler([this] { catalogueChangedElsewhere(); }); });
    m_catalogue = std::make_unique<MaterialCatalogue>(std::move(files), *m_catalogueDialogs);
    m_ledger.SetDensitySource(m_catalogue.get());
    m_partsList = new PartsListModel(this);
    BuildLayout();
    MakeJob(options.RecoveryFolder);
    WireHandlers();
    SetUpFirstState();
}

// The list and its stack, children, go after this window's members and tell their last change.
MainWindow::~MainWindow() {
    m_job->Stack().disconnect(this);
    m_partsList->disconnect(this);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Centred on the screen the first time only; afterwards it stays where the user put it.
    if (!m_placed && isWindow()) {
        m_placed = true;
        CentreOnScreen(*this);
    }
}

void MainWindow::WireHandlers() {
    const auto on = [this](auto* sender, auto signal, void (MainWindow::*handler)()) {
        ConnectHandler(sender, signal, this, handler);
    };
    on(m_undoButton, &QToolButton::clicked, &MainWindow::undoClicked);
    on(m_resetButton, &QToolButton::clicked, &MainWindow::resetClicked);
    on(m_aboutButton, &QToolButton::clicked, &MainWindow::aboutClicked);
    on(m_helpButton, &QToolButton::clicked, &MainWindow::helpClicked);
    on(m_exitButton, &QToolButton::clicked, &MainWindow::exitClicked);
    on(m_partsListButton, &QToolButton::clicked, &MainWindow::partsListClicked);
    on(m_addMaterialButton, &QToolButton::clicked, &MainWindow::addMaterialClicked);
    on(m_removeMaterialButton, &QToolButton::clicked, &MainWindow::removeMaterialClicked);
    // activated comes from the user only: a selection made by the program runs no handler.
    on(m_materialList, &QComboBox::activated, &MainWindow::materialChosen);
    on(m_totals->VolumeUnitList(), &QComboBox::activated, &MainWindow::volumeUnitChosen);
    on(m_totals->MassUnitList(), &QComboBox::activated, &MainWindow::massUnitChosen);
    for (const std::unique_ptr<GroupPanel>& group : m_groups) {
        GroupPanel* panel = group.get();
        connect(panel->CalculateButton(), &QPushButton::clicked, this,
                [this, panel] { RunHandler([this, panel] { Calculate(panel->Group()); }); });
        connect(panel->ShapeList(), &QComboBox::activated, this,
                [panel] { RunHandler([panel] { panel->ShowChosenShape(); }); });
    }
}

void MainWindow::SetUpFirstState() {
    m_catalogue->LoadMaterials();
    SyncMaterialList();
    if (!m_catalogue->ReadProblem().empty()) {
        // The list stays empty, and nothing is ever written over that file.
        m_catalogueDialogs->ShowError(std::string(CatalogueUnreadable) + "\n" + m_catalogue->ReadProblem());
        m_reportedReadProblem = m_catalogue->ReadProblem();
    }
    for (const std::unique_ptr<GroupPanel>& group : m_groups) {
        group->ShowFirstShape();
    }
    m_ledger.ClearLedger();
    // As if the user had chosen the selected material: undoes the 0 the ledger just set.
    materialChosen();
}

void MainWindow::SyncMaterialList() {
    const QSignalBlocker block(m_materialList);
    m_materialList->clear();
    for (const MaterialView material : m_catalogue->Materials()) {
        m_materialList->addItem(Text(material.Name));
    }
    // Adding to an empty list would select its first entry; the catalogue says what is selected.
    m_materialList->setCurrentIndex(m_catalogue->SelectedIndex());
    m_partsList->SetCurrency(QString::fromStdString(m_catalogue->Currency()));
    m_partsList->MaterialsChanged();
}

// Takes back the last change to the list, whichever window made it.
void MainWindow::undoClicked() {
    m_ledger.UndoLast();
    m_job->Stack().undo();
    ListChanged();
}

// Clears the list as one change, which the list's Undo takes back; the display units stay.
void MainWindow::resetClicked() {
    m_ledger.ResetAll();
    const bool keeping = std::exchange(m_keepingUnits, true);
    if (!m_partsList->List().Rows().empty()) {
        m_job->Push(new ReplaceAllCommand(*m_partsList, {}, QStringLiteral("Reset")));
    }
    ListChanged();
    m_keepingUnits = keeping;
}

void MainWindow::MakeDialogsIfDue() {
    if (m_makeDialogs) {
        std::exchange(m_makeDialogs, nullptr)();
    }
}

void MainWindow::aboutClicked() {
    MakeDialogsIfDue();
    if (m_aboutBox) {
        m_aboutBox->exec();
    }
}

void MainWindow::helpClicked() {
    OpenHelp(this, m_helpFolder);
}

void MainWindow::exitClicked() {
    close();
}

void MainWindow::materialChosen() {
    m_catalogue->PickMaterial(m_materialList->currentIndex());
    m_ledger.RefreshDensity();
}

template <typename Change> void MainWindow::ChangeCatalogue(Change change) {
    // While a dialog of the change is open, a change by another program is not shown: the list
    // is about to be the file's anyway, and the change must not lose its material under it.
    struct Changing {
        bool& Flag;
        explicit Changing(bool& flag) : Flag(flag) { Flag = true; }
        ~Changing() { Flag = false; }
    } changing(m_changingCatalogue);
    const DensityInForce picked = m_ledger.InForce();
    ThenSync(
        [&] {
            change();
            m_catalogueWatcher->Seen();
        },
        [&] {
            SyncMaterialList();
            FollowPick(picked);
        });
}

// A change is made to what the file holds at that moment, which may no longer list the picked
// material (this removal took it, or another program did): the first is picked then, and the
// density in force follows it, so that the density shown is the one the next calculation takes.
// With none left, the density in force stays.
void MainWindow::FollowPick(const DensityInForce& picked) {
    const DensityInForce now = m_ledger.InForce();
    if (m_catalogue->SelectedIndex() >= 0 &&
        (now.Material != picked.Material || now.Density != picked.Density)) {
        m_ledger.RefreshDensity();
    }
}

// The picked material stays picked where the file still lists it, and the density in force stays;
// a picked material another program removed is followed as after a removal here.
void MainWindow::catalogueChangedElsewhere() {
    if (m_changingCatalogue) {
        return;
    }
    if (m_catalogue->ReloadMaterials() && m_catalogue->SelectedIndex() >= 0) {
        m_ledger.RefreshDensity();
    }
    SyncMaterialList();
    // Told once when the file can no longer be read, not at every later change of the folder.
    const std::string& problem = m_catalogue->ReadProblem();
    if (!problem.empty() && problem != m_reportedReadProblem) {
        m_catalogueDialogs->ShowError(std::string(CatalogueUnreadable) + "\n" + problem +
                                      "\nThe list shows the materials as last read.");
    }
    m_reportedReadProblem = problem;
}

void MainWindow::addMaterialClicked() {
    MakeDialogsIfDue();
    ChangeCatalogue([this] { m_catalogue->AddMaterial(); });
}

void MainWindow::removeMaterialClicked() {
    ChangeCatalogue([this] { m_catalogue->RemoveMaterial(); });
}

// The prices the dialog accepted are saved as one change; rows already listed keep the prices
// they were calculated with.
void MainWindow::EditPrices(QWidget* parent) {
    PricesDialog dialog(m_catalogue->Materials(), m_catalogue->Currency(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    ChangeCatalogue([&] { m_catalogue->SetPrices(dialog.Changes(), dialog.Currency()); });
}

void MainWindow::Calculate(CalcGroup group) {
    try {
        AddCalculation(group);
    } catch (const WrongDataError& refusal) {
        Desktop().ShowMessage(Text(refusal.what()), MessageKind::Warning, OkButton);
    }
}

void MainWindow::AddCalculation(CalcGroup group) {
    const GroupPanel& panel = Group(group);
    const bool section = panel.SectionChosen();
    const ShapeEntry* entry = panel.ChosenShape();
    if (section && !entry) {
        throw WrongDataError(); // no section tables, so no size chosen
    }
    if (!entry || !entry->Rule) {
        return;
    }
    const std::int32_t quantity = panel.Quantity();
    const std::vector<std::string> texts = panel.TextsOf(*entry);
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::optional<LengthUnit> unit = LengthUnitFromName(panel.LengthUnitName());
    if (!unit) {
        return;
    }
    PartsListRow row = m_ledger.Calculate(group, {*entry, views, quantity, *unit});
    const int at = int(m_partsList->List().Rows().size());
    m_job->Push(new InsertRowsCommand(*m_partsList, at, {std::move(row)}, QStringLiteral("Calculate")));
}

void MainWindow::volumeUnitChosen() {
    const std::optional<VolumeUnit> unit =
        VolumeUnitFromName(m_totals->VolumeUnitList()->currentText().toStdString());
    if (!unit) {
        return;
    }
    const LedgerTotals& totals = m_ledger.Totals();
    m_totals->ShowVolumes(totals, *unit);
    m_partsList->ShowVolumes(totals, *unit);
}

void MainWindow::massUnitChosen() {
    const std::optional<MassUnit> unit =
        MassUnitFromName(m_totals->MassUnitList()->currentText().toStdString());
    if (!unit) {
        return;
    }
    const LedgerTotals& totals = m_ledger.Totals();
    m_totals->ShowMasses(totals, *unit);
    m_partsList->ShowMasses(totals, *unit);
}

void MainWindow::ShowTotals(const LedgerTotals& totals) {
    m_totals->ShowTotals(totals);
    m_partsList->ShowTotals(totals, ShownUnits());
}

void MainWindow::SetUndoEnabled(bool enabled) {
    m_undoButton->setEnabled(enabled);
}

void MainWindow::ResetDisplayUnits() {
    m_totals->ResetUnits();
}

void MainWindow::ShowDensity(std::int32_t density) {
    m_densityField->setText(Text(IntegerText(density)));
    if (m_groups[0]) {
        Group(CalcGroup::Object).ShowDensity(density);
    }
}

} // namespace volcalc::ui
