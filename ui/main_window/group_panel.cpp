// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/group_panel.h"

#include "calc/units.h"
#include "ui/desktop/app_style.h"
#include "ui/main_window/parameter_panels.h"
#include "ui/main_window/pictures.h"
#include "ui/main_window/section_panel.h"
#include "ui/main_window/window_controls.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/bevel_panel.h"
#include "ui/widgets/quantity_spin_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace volcalc::ui {
namespace {

// What the two groups say differently.
struct GroupWords {
    const char* Caption;
    const char* QuantityCaption;
    const char* CalculateHint;
    const char* CalculateDoes;
    bool ShapeResetsQuantity;
};

constexpr GroupWords ObjectWords{" Object ", "Quantity", "Click for calculate this object",
                                 "Adds the volume and the mass of the object to the object totals", true};
constexpr GroupWords ApertureWords{
    " Aperture ", "Quantity ", "Click for calculate this aperture",
    "Adds the volume and the mass of the aperture to the aperture totals, which "
    "the totals subtract",
    false};

const GroupWords& WordsOf(CalcGroup group) {
    return group == CalcGroup::Object ? ObjectWords : ApertureWords;
}

QStringList ShapeNames(CalcGroup group) {
    QStringList list;
    for (const ShapeEntry& entry : ShapesOf(group)) {
        list << QString::fromUtf8(entry.DisplayName.data(), qsizetype(entry.DisplayName.size()));
    }
    return list;
}

} // namespace

GroupPanel::GroupPanel(CalcGroup group, QWidget* window) : m_group(group), m_names(names::Of(group)) {
    const GroupWords& words = WordsOf(group);
    m_box = MakeGroup(window, m_names.Group, words.Caption);

    // The framed picture: a bevelled panel holding the 260 x 170 picture.
    auto* frame = Placed(new BevelPanel(m_box, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered),
                         m_names.PictureFrame);
    m_picture = Placed(new QLabel(frame), m_names.Picture);
    m_picture->setScaledContents(true);

    m_shapeList = MakeList(m_box, m_names.ShapeList, ShapeNames(group), 0);
    m_shapeList->setAccessibleDescription(GroupCaption(group) + QStringLiteral(" shape"));
    m_shapeList->setFont(WindowFont(true));
    m_shapeList->setMaxVisibleItems(16);

    QLabel* units = MakeLabel(m_box, m_names.UnitsLabel, "Measure units:");
    units->setWordWrap(true);
    m_unitList = MakeList(m_box, m_names.UnitList, ListTexts(LengthUnitNames), 0);
    m_unitList->setAccessibleDescription(GroupCaption(group) + QStringLiteral(" length unit"));
    units->setBuddy(m_unitList);

    m_panels = std::make_unique<ParameterPanels>(group, m_box, m_unitList);

    MakeLabel(m_box, m_names.QuantityLabel, words.QuantityCaption);
    m_quantity = Placed(new QuantitySpinBox(m_box), m_names.Quantity);
    m_quantity->SetMinValue(1);
    m_quantity->SetMaxValue(1000);
    m_quantity->SetIncrement(1);
    SetAccessibleText(m_quantity, GroupCaption(group) + QStringLiteral(" quantity"),
                      QStringLiteral("Number of identical pieces, 1 to 1000"));

    // A picture-only button is read out by its hint.
    m_calculateButton = Placed(new QPushButton(m_box), m_names.CalculateButton);
    m_calculateButton->setIcon(Picture("calculator"));
    m_calculateButton->setIconSize({31, 21});
    m_calculateButton->setToolTip(QString::fromLatin1(words.CalculateHint));
    SetAccessibleText(m_calculateButton, m_calculateButton->toolTip(),
                      QString::fromLatin1(words.CalculateDoes));
    PressOnEnter(m_calculateButton);
    m_calculateButton->setEnabled(ShapesOf(group).front().Rule != nullptr);
}

GroupPanel::~GroupPanel() = default;

void GroupPanel::ShowPicture(const ShapeEntry& entry) {
    const std::string_view name = entry.Picture;
    m_picture->setPixmap(Picture(name));
    // The resource name stays readable for tests and tools, even while a picture is missing.
    m_picture->setProperty("picture", QString::fromUtf8(name.data(), qsizetype(name.size())));
    SetAccessibleText(m_picture, PictureName(m_group, entry), PictureDescription(entry));
}

void GroupPanel::ShowFirstShape() {
    ShowPicture(ShapesOf(m_group).front());
    const QSignalBlocker block(m_shapeList);
    m_shapeList->setCurrentIndex(0);
}

void GroupPanel::AddStandardSections(const sections::SectionFolders& tables) {
    m_shapeList->addItem(QString::fromLatin1(StandardSectionEntry));
    m_sectionPanel = std::make_unique<SectionPanel>(tables, m_box, m_unitList, m_picture);
}

void GroupPanel::ShowDensity(std::int32_t density) {
    if (m_sectionPanel) {
        m_sectionPanel->ShowDensity(density);
    }
}

void GroupPanel::ShowChosenShape() {
    if (SectionChosen()) {
        m_panels->ShowPanelOf(ShapeEntry{});
        m_sectionPanel->Show();
    } else {
        if (m_sectionPanel) {
            m_sectionPanel->Hide();
        }
        if (const ShapeEntry* entry = ListedShape()) {
            ShowPicture(*entry);
            m_calculateButton->setEnabled(entry->Rule != nullptr);
            m_panels->ShowPanelOf(*entry);
        }
    }
    if (WordsOf(m_group).ShapeResetsQuantity) {
        m_quantity->SetValue(1);
    }
}

bool GroupPanel::SectionChosen() const {
    // The standard sections come after the shape table's entries.
    return m_sectionPanel && m_shapeList->currentIndex() == qsizetype(ShapesOf(m_group).size());
}

const ShapeEntry* GroupPanel::ChosenShape() const {
    if (SectionChosen()) {
        return m_sectionPanel->ChosenShape();
    }
    return ListedShape();
}

const ShapeEntry* GroupPanel::ListedShape() const {
    const std::span<const ShapeEntry> shapes = ShapesOf(m_group);
    const int index = m_shapeList->currentIndex();
    return index >= 0 && std::size_t(index) < shapes.size() ? &shapes[std::size_t(index)] : nullptr;
}

std::int32_t GroupPanel::Quantity() const {
    return m_quantity->Value();
}

std::vector<std::string> GroupPanel::TextsOf(const ShapeEntry& entry) const {
    if (SectionChosen()) {
        return {m_sectionPanel->LengthText()};
    }
    return m_panels->TextsOf(entry);
}

std::string GroupPanel::LengthUnitName() const {
    return m_unitList->currentText().toStdString();
}

const std::vector<QWidget*>& GroupPanel::ParameterFocusOrder() const {
    return m_panels->FocusOrder();
}

} // namespace volcalc::ui
