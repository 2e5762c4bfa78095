// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame, its toolbar and material group, and the groups and totals it is built
// from, each named and placed as the fixed layout table says.
#include "ui/main_window/main_window.h"

#include "ui/desktop/app_style.h"
#include "ui/main_window/fixed_layout.h"
#include "ui/main_window/group_panel.h"
#include "ui/main_window/pictures.h"
#include "ui/main_window/totals_panel.h"
#include "ui/main_window/window_controls.h"
#include "ui/object_names.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/toolbar_button.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <string_view>

namespace volcalc::ui {
namespace {

// The material buttons stay out of the Tab order, like every tool button: a key presses each.
QToolButton* MakeMaterialButton(QWidget* group, const char* name, const char* picture, const char* hint,
                                const char* does, const QKeySequence& key) {
    auto* button = Placed(new QToolButton(group), name);
    button->setIcon(Picture(picture));
    button->setIconSize({32, 32});
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    SetAccessibleText(button, button->toolTip(), QString::fromLatin1(does));
    SetPressKeys(button, {key});
    return button;
}

} // namespace

void MainWindow::BuildLayout() {
    setObjectName(QString::fromLatin1(names::MainWindow));
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    // Fixed border: close and minimise, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::ClientWidth, layout::ClientHeight);
    setPalette(SilverPalette());
    setAutoFillBackground(true);
    setFont(WindowFont());
    setWindowIcon(QIcon(Picture("program_icon")));
    InstallAccessibleInterfaces();

    BuildToolbar();
    for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
        m_groups[static_cast<std::size_t>(group)] = std::make_unique<GroupPanel>(group, this);
    }
    Group(CalcGroup::Object).AddStandardSections(m_sectionTables);
    BuildMaterialGroup();
    m_totals = std::make_unique<TotalsPanel>(this);
    SetTabOrder();
    // Fonts and alignments are final only now.
    for (QLabel* label : findChildren<QLabel*>()) {
        FitLabel(label);
    }
}

// The tool buttons take no focus, so that pressing one leaves the field being edited as it is;
// the keyboard reaches each by a key of its own, Alt with its caption's letter (Help also F1).
void MainWindow::BuildToolbar() {
    const auto make = [this](const char* name, const char* caption, int offset, const char* picture,
                             const char* does, const QList<QKeySequence>& keys) {
        auto* button = new ToolbarButton(this, QString::fromLatin1(caption), Picture(picture), offset);
        SetAccessibleText(button, button->text(), QString::fromLatin1(does));
        SetPressKeys(button, keys);
        return Placed(button, name);
    };
    m_undoButton = make(names::UndoButton, "Undo", 9, "undo", "Takes back the last calculation",
                        {QKeySequence(Qt::ALT | Qt::Key_U)});
    m_resetButton = make(names::ResetButton, "Reset", 10, "reset", "Sets every total back to zero",
                         {QKeySequence(Qt::ALT | Qt::Key_R)});
    m_aboutButton =
        make(names::AboutButton, "About", ToolbarButton::Centred, "about",
             "Shows the program's name, home page and mail address", {QKeySequence(Qt::ALT | Qt::Key_A)});
    m_helpButton = make(names::HelpButton, "Help", 8, "help", "Opens the help file",
                        {QKeySequence(Qt::Key_F1), QKeySequence(Qt::ALT | Qt::Key_H)});
    m_exitButton = make(names::ExitButton, "Exit", 10, "exit", "Closes the program",
                        {QKeySequence(Qt::ALT | Qt::Key_X)});
    m_undoButton->setEnabled(false);
    // Caption "List"; hint and name "Parts list".
    m_partsListButton = make(names::PartsListButton, "List", 9, "parts_list",
                             "Shows every calculation that counts, to check, copy, export and print",
                             {QKeySequence(Qt::CTRL | Qt::Key_L)});
    m_partsListButton->setToolTip(QStringLiteral("Parts list"));
    m_partsListButton->setAccessibleName(m_partsListButton->toolTip());
}

void MainWindow::BuildMaterialGroup() {
    m_materialGroup = MakeGroup(this, names::MaterialGroup, " Material ");
    m_addMaterialButton = MakeMaterialButton(
        m_materialGroup, names::AddMaterialButton, "material_add", "Addition of the material list",
        "Adds a material and its density to the list", QKeySequence(Qt::ALT | Qt::Key_N));
    m_materialList = MakeList(m_materialGroup, names::MaterialList, {}, -1);
    m_materialList->setAccessibleDescription(QStringLiteral("Material"));
    m_removeMaterialButton = MakeMaterialButton(
        m_materialGroup, names::RemoveMaterialButton, "material_remove", "Removal of the material",
        "Removes the selected material from the list", QKeySequence(Qt::ALT | Qt::Key_D));
    MakeLabel(m_materialGroup, names::DensityLabel, "Density:")->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_densityField = Placed(new QLineEdit(QStringLiteral("0"), m_materialGroup), names::DensityField);
    m_densityField->setReadOnly(true);
    SetAccessibleText(m_densityField, QStringLiteral("Density"), QStringLiteral("Kilograms per cubic metre"));
    m_densityField->setFrame(false);
    // The figure reads on the line of the labels beside it: set to the top, and up by the two
    // pixels that a line edit keeps above its text.
    m_densityField->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_densityField->setTextMargins(0, -2, 0, 0);
    // The density field shows its group's colour, not an edit field's white.
    QPalette palette = m_densityField->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_densityField->setPalette(palette);
    ReadUnitAsWords(MakeLabel(m_materialGroup, names::DensityUnitLabel, "kg/m"),
                    QStringLiteral("kilograms per cubic metre"),
                    {MakeLabel(m_materialGroup, names::DensityUnitPowerLabel, "3")});
}

void MainWindow::SetTabOrder() {
    std::vector<QWidget*> chain;
    for (const char* name : layout::TabOrder) {
        chain.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
        for (const std::unique_ptr<GroupPanel>& group : m_groups) {
            if (std::string_view(name) == names::Of(group->Group()).UnitList) {
                const std::vector<QWidget*>& fields = group->ParameterFocusOrder();
                chain.insert(chain.end(), fields.begin(), fields.end());
            }
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace volcalc::ui
