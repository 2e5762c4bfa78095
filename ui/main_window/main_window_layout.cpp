// The fixed controls of the main window, placed in pixels as the form was drawn.
#include "ui/main_window/main_window.h"
#include "ui/object_names.h"

#include "calc/units.h"
#include "ui/desktop/app_style.h"
#include "ui/main_window/parameter_panels.h"
#include "ui/main_window/pictures.h"
#include "ui/main_window/section_panel.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/bevel_panel.h"
#include "ui/widgets/group_frame.h"
#include "ui/widgets/pick_list.h"
#include "ui/widgets/quantity_spin_box.h"
#include "ui/widgets/result_field.h"
#include "ui/widgets/toolbar_button.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace volcalc::ui {
namespace {

constexpr int ClientWidth = 579;
constexpr int ClientHeight = 563;
const QColor MediumGrey(160, 160, 164);

template <typename Widget> Widget* Named(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A label sizes itself to its text, as the form's labels do: the width drawn on the form is kept
// unless the text needs more, and a right-aligned label keeps its right edge.
void FitLabel(QLabel* label) {
    if (label->wordWrap()) {
        return;
    }
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed <= label->width()) {
        return;
    }
    const int right = label->geometry().right();
    label->resize(needed, label->height());
    if (label->alignment() & Qt::AlignRight) {
        label->move(right - needed + 1, label->y());
    }
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, const QRect& geometry) {
    return Named(new QLabel(QString::fromLatin1(text), parent), name, geometry);
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption, const QRect& geometry) {
    auto* group = Named(new GroupFrame(QString::fromLatin1(caption), parent), name, geometry);
    group->setAccessibleName(group->title().trimmed());
    return group;
}

template <std::size_t N> QStringList Names(const std::array<std::string_view, N>& names) {
    QStringList list;
    for (std::string_view name : names) {
        list << QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    return list;
}

// A pick-only drop-down list.
QComboBox* MakeList(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items,
                    int selected) {
    auto* list = Named(new PickList(parent), name, geometry);
    list->addItems(items);
    list->setCurrentIndex(selected);
    return list;
}

QStringList ShapeNames(CalcGroup group) {
    QStringList list;
    for (const ShapeEntry& entry : ShapesOf(group)) {
        list << QString::fromUtf8(entry.DisplayName.data(), qsizetype(entry.DisplayName.size()));
    }
    return list;
}

QComboBox* MakeShapeList(QWidget* parent, const char* name, CalcGroup group) {
    QComboBox* list = MakeList(parent, name, {8, 198, 121, 21}, ShapeNames(group), 0);
    list->setAccessibleDescription(GroupCaption(group) + QStringLiteral(" shape"));
    list->setFont(WindowFont(true));
    list->setMaxVisibleItems(16);
    return list;
}

// The framed picture of a group: a bevelled panel holding the 260 x 170 picture.
QLabel* MakePictureFrame(QWidget* group, const char* panelName, const char* imageName) {
    auto* frame = Named(new BevelPanel(group, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered),
                        panelName, {8, 15, 264, 174});
    auto* image = Named(new QLabel(frame), imageName, {2, 2, 260, 170});
    image->setScaledContents(true);
    return image;
}

// A picture-only button is read out by its hint.
QPushButton* MakeCalculateButton(QWidget* group, const char* name, const char* hint, const char* does) {
    auto* button = Named(new QPushButton(group), name, {200, 323, 73, 30});
    button->setIcon(Picture("calculator"));
    button->setIconSize({31, 21});
    button->setToolTip(QString::fromLatin1(hint));
    SetAccessibleText(button, button->toolTip(), QString::fromLatin1(does));
    PressOnEnter(button);
    return button;
}

QuantitySpinBox* MakeQuantity(QWidget* group, const char* name, CalcGroup of) {
    auto* spin = Named(new QuantitySpinBox(group), name, {208, 269, 57, 22});
    spin->SetMinValue(1);
    spin->SetMaxValue(1000);
    spin->SetIncrement(1);
    SetAccessibleText(spin, GroupCaption(of) + QStringLiteral(" quantity"),
                      QStringLiteral("Number of identical pieces, 1 to 1000"));
    return spin;
}

QComboBox* MakeLengthUnits(QWidget* group, const char* name, CalcGroup of) {
    QComboBox* list = MakeList(group, name, {200, 198, 73, 21}, Names(LengthUnitNames), 0);
    list->setAccessibleDescription(GroupCaption(of) + QStringLiteral(" length unit"));
    return list;
}

// The material buttons stay out of the Tab order, like every tool button: a key presses each.
QToolButton* MakeMaterialButton(QWidget* group, const char* name, int left, const char* picture,
                                const char* hint, const char* does, const QKeySequence& key) {
    auto* button = Named(new QToolButton(group), name, {left, 16, 36, 36});
    button->setIcon(Picture(picture));
    button->setIconSize({32, 32});
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    SetAccessibleText(button, button->toolTip(), QString::fromLatin1(does));
    SetPressKeys(button, {key});
    return button;
}

ResultField* MakeResult(QWidget* group, const char* name, const QRect& geometry, const QFont& font) {
    auto* field = Named(new ResultField(group), name, geometry);
    field->setFont(font);
    return field;
}

// The volume and the mass groups share one layout.
struct ResultGroup {
    QGroupBox* Group;
    QComboBox* Units;
    QLineEdit* Total;
    QLineEdit* Object;
    QLineEdit* Aperture;
};

// quantityName is "volume" or "mass", as the fields are read out.
ResultGroup MakeResultGroup(QWidget* panel, int left, const char* quantityName,
                            const names::ResultNames& names, const char* caption, const QStringList& units,
                            int selected) {
    ResultGroup made{};
    made.Group = MakeGroup(panel, names.Group, caption, {left, 5, 280, 105});
    made.Group->setFont(WindowFont(true));
    QWidget* g = made.Group;
    MakeLabel(g, names.TotalLabel, "Total", {16, 16, 30, 13})->setFont(WindowFont(true));
    made.Total = MakeResult(g, names.Total, {16, 30, 113, 26}, TotalFont());
    QLabel* unitsLabel = MakeLabel(g, names.UnitsLabel, "Measure units", {184, 16, 66, 13});
    unitsLabel->setFont(WindowFont());
    made.Units = MakeList(g, names.Units, {184, 30, 84, 21}, units, selected);
    unitsLabel->setBuddy(made.Units);
    made.Units->setFont(WindowFont());
    MakeLabel(g, names.ObjectLabel, "Object", {16, 60, 31, 13})->setFont(WindowFont());
    made.Object = MakeResult(g, names.Object, {16, 74, 113, 21}, WindowFont());
    MakeLabel(g, names.ApertureLabel, "Aperture", {155, 60, 40, 13})->setFont(WindowFont());
    made.Aperture = MakeResult(g, names.Aperture, {155, 74, 113, 21}, WindowFont());
    const QString quantity = QString::fromLatin1(quantityName);
    // A volume's list names the length whose cube it is.
    const QString unitPrefix = quantity == QLatin1String("volume") ? QStringLiteral("cubic ") : QString();
    NameWithUnit(made.Total, QStringLiteral("Total ") + quantity, made.Units, unitPrefix);
    NameWithUnit(made.Object, QStringLiteral("Object ") + quantity, made.Units, unitPrefix);
    NameWithUnit(made.Aperture, QStringLiteral("Aperture ") + quantity, made.Units, unitPrefix);
    made.Units->setAccessibleDescription(quantity.left(1).toUpper() + quantity.mid(1) +
                                         QStringLiteral(" unit"));
    return made;
}

} // namespace

void MainWindow::BuildLayout() {
    setObjectName(QString::fromLatin1(names::MainWindow));
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    // Fixed border: close and minimise, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setPalette(SilverPalette());
    setAutoFillBackground(true);
    setFont(WindowFont());
    setWindowIcon(QIcon(Picture("program_icon")));
    InstallAccessibleInterfaces();

    BuildToolbar();
    BuildObjectGroup();
    BuildApertureGroup();
    BuildMaterialGroup();
    BuildResultPanel();
    SetTabOrder();
    // Fonts and alignments are final only now.
    for (QLabel* label : findChildren<QLabel*>()) {
        FitLabel(label);
    }
}

// The tool buttons take no focus, so that pressing one leaves the field being edited as it is;
// the keyboard reaches each by a key of its own, Alt with its caption's letter (Help also F1).
void MainWindow::BuildToolbar() {
    const auto make = [this](const char* name, const char* caption, int left, int offset, const char* picture,
                             const char* does, const QList<QKeySequence>& keys) {
        auto* button = new ToolbarButton(this, QString::fromLatin1(caption), Picture(picture), offset);
        SetAccessibleText(button, button->text(), QString::fromLatin1(does));
        SetPressKeys(button, keys);
        return Named(button, name, {left, 8, 46, 63});
    };
    m_undoButton = make(names::UndoButton, "Undo", 342, 9, "undo", "Takes back the last calculation",
                        {QKeySequence(Qt::ALT | Qt::Key_U)});
    m_resetButton = make(names::ResetButton, "Reset", 388, 10, "reset", "Sets every total back to zero",
                         {QKeySequence(Qt::ALT | Qt::Key_R)});
    m_aboutButton =
        make(names::AboutButton, "About", 434, ToolbarButton::Centred, "about",
             "Shows the program's name, home page and mail address", {QKeySequence(Qt::ALT | Qt::Key_A)});
    m_helpButton = make(names::HelpButton, "Help", 480, 8, "help", "Opens the help file",
                        {QKeySequence(Qt::Key_F1), QKeySequence(Qt::ALT | Qt::Key_H)});
    m_exitButton = make(names::ExitButton, "Exit", 526, 10, "exit", "Closes the program",
                        {QKeySequence(Qt::ALT | Qt::Key_X)});
    m_undoButton->setEnabled(false);
    // Caption "List"; hint and name "Parts list".
    m_partsListButton = make(names::PartsListButton, "List", 293, 9, "parts_list",
                             "Shows every calculation that counts, to check, copy, export and print",
                             {QKeySequence(Qt::CTRL | Qt::Key_L)});
    m_partsListButton->setToolTip(QStringLiteral("Parts list"));
    m_partsListButton->setAccessibleName(m_partsListButton->toolTip());
}

void MainWindow::BuildMaterialGroup() {
    m_materialGroup = MakeGroup(this, names::MaterialGroup, " Material ", {5, 3, 280, 68});
    m_addMaterialButton = MakeMaterialButton(
        m_materialGroup, names::AddMaterialButton, 8, "material_add", "Addition of the material list",
        "Adds a material and its density to the list", QKeySequence(Qt::ALT | Qt::Key_N));
    m_materialList = MakeList(m_materialGroup, names::MaterialList, {51, 17, 175, 21}, {}, -1);
    m_materialList->setAccessibleDescription(QStringLiteral("Material"));
    m_removeMaterialButton = MakeMaterialButton(
        m_materialGroup, names::RemoveMaterialButton, 235, "material_remove", "Removal of the material",
        "Removes the selected material from the list", QKeySequence(Qt::ALT | Qt::Key_D));
    MakeLabel(m_materialGroup, names::DensityLabel, "Density:", {67, 45, 38, 13})
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_densityField =
        Named(new QLineEdit(QStringLiteral("0"), m_materialGroup), names::DensityField, {116, 46, 33, 16});
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
    ReadUnitAsWords(MakeLabel(m_materialGroup, names::DensityUnitLabel, "kg/m", {152, 45, 25, 13}),
                    QStringLiteral("kilograms per cubic metre"),
                    {MakeLabel(m_materialGroup, names::DensityUnitPowerLabel, "3", {177, 40, 6, 13})});
}

void MainWindow::BuildObjectGroup() {
    m_objectGroup = MakeGroup(this, names::ObjectGroup, " Object ", {5, 75, 280, 365});
    m_objectPicture = MakePictureFrame(m_objectGroup, names::Object.PictureFrame, names::ObjectPicture);
    m_objectShapeList = MakeShapeList(m_objectGroup, names::ObjectShapeList, CalcGroup::Object);
    QLabel* units = MakeLabel(m_objectGroup, names::Object.UnitsLabel, "Measure units:", {144, 195, 44, 26});
    units->setWordWrap(true);
    m_objectUnitList = MakeLengthUnits(m_objectGroup, names::ObjectUnitList, CalcGroup::Object);
    units->setBuddy(m_objectUnitList);
    m_objectPanels = std::make_unique<ParameterPanels>(CalcGroup::Object, m_objectGroup, m_objectUnitList);
    m_objectShapeList->addItem(QString::fromLatin1(StandardSectionEntry));
    m_sectionPanel =
        std::make_unique<SectionPanel>(m_sectionTables, m_objectGroup, m_objectUnitList, m_objectPicture);
    MakeLabel(m_objectGroup, names::Object.QuantityLabel, "Quantity", {209, 255, 39, 13});
    m_objectQuantity = MakeQuantity(m_objectGroup, names::ObjectQuantity, CalcGroup::Object);
    m_objectCalculateButton =
        MakeCalculateButton(m_objectGroup, names::ObjectCalculateButton, "Click for calculate this object",
                            "Adds the volume and the mass of the object to the object totals");
}

void MainWindow::BuildApertureGroup() {
    m_apertureGroup = MakeGroup(this, names::ApertureGroup, " Aperture ", {293, 75, 280, 365});
    m_aperturePicture =
        MakePictureFrame(m_apertureGroup, names::Aperture.PictureFrame, names::AperturePicture);
    m_apertureShapeList = MakeShapeList(m_apertureGroup, names::ApertureShapeList, CalcGroup::Aperture);
    QLabel* units =
        MakeLabel(m_apertureGroup, names::Aperture.UnitsLabel, "Measure units:", {144, 195, 44, 26});
    units->setWordWrap(true);
    m_apertureUnitList = MakeLengthUnits(m_apertureGroup, names::ApertureUnitList, CalcGroup::Aperture);
    units->setBuddy(m_apertureUnitList);
    m_aperturePanels =
        std::make_unique<ParameterPanels>(CalcGroup::Aperture, m_apertureGroup, m_apertureUnitList);
    MakeLabel(m_apertureGroup, names::Aperture.QuantityLabel, "Quantity ", {209, 255, 42, 13});
    m_apertureQuantity = MakeQuantity(m_apertureGroup, names::ApertureQuantity, CalcGroup::Aperture);
    m_apertureCalculateButton = MakeCalculateButton(
        m_apertureGroup, names::ApertureCalculateButton, "Click for calculate this aperture",
        "Adds the volume and the mass of the aperture to the aperture totals, which "
        "the totals subtract");
    m_apertureCalculateButton->setEnabled(false);
}

void MainWindow::BuildResultPanel() {
    m_totalsPanel = Named(new QWidget(this), names::TotalsPanel, {0, 443, ClientWidth, 120});
    m_totalsPanel->setPalette(WithWindowColour(palette(), MediumGrey));
    m_totalsPanel->setAutoFillBackground(true);
    m_totalsPanel->setAccessibleName(QStringLiteral("Totals"));

    const ResultGroup volume = MakeResultGroup(m_totalsPanel, 5, "volume", names::Volume, " Volume ",
                                               Names(VolumeUnitNames), static_cast<int>(DefaultVolumeUnit));
    MakeLabel(volume.Group, names::CubicLabel, "cubic", {148, 34, 26, 13})->setFont(WindowFont());
    const ResultGroup mass = MakeResultGroup(m_totalsPanel, 293, "mass", names::Mass, " Mass ",
                                             Names(MassUnitNames), static_cast<int>(DefaultMassUnit));
    m_volumeGroup = volume.Group;
    m_volumeUnitList = volume.Units;
    m_totalVolumeField = volume.Total;
    m_objectVolumeField = volume.Object;
    m_apertureVolumeField = volume.Aperture;
    m_massGroup = mass.Group;
    m_massUnitList = mass.Units;
    m_totalMassField = mass.Total;
    m_objectMassField = mass.Object;
    m_apertureMassField = mass.Aperture;
}

void MainWindow::SetTabOrder() {
    std::vector<QWidget*> chain = {m_objectShapeList, m_objectCalculateButton, m_objectQuantity,
                                   m_objectUnitList};
    const auto append = [&chain](const std::vector<QWidget*>& more) {
        chain.insert(chain.end(), more.begin(), more.end());
    };
    append(m_objectPanels->FocusOrder());
    append({m_apertureShapeList, m_apertureQuantity, m_apertureCalculateButton, m_apertureUnitList});
    append(m_aperturePanels->FocusOrder());
    append({m_materialList, m_densityField});
    append({m_totalVolumeField, m_volumeUnitList, m_objectVolumeField, m_apertureVolumeField,
            m_totalMassField, m_massUnitList, m_apertureMassField, m_objectMassField});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace volcalc::ui
