// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/section_panel.h"

#include "calc/number_text.h"
#include "sections/section_text.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/desktop_services.h"
#include "ui/main_window/fixed_layout.h"
#include "ui/main_window/parameter_panels.h"
#include "ui/main_window/pictures.h"
#include "ui/text.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/bevel_panel.h"
#include "ui/widgets/pick_list.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <span>

namespace volcalc::ui {
namespace {

using sections::SectionKind;
using sections::TableColumns;

// The family's outline: its picture and what the picture's letters measure.
struct Outline {
    const char* Picture;
    const char* Description;
};

Outline OutlineOf(const sections::SectionFamily& family) {
    static constexpr Outline IShape{"S301",
                                    "An I or H section. h: depth. b: flange width. tw: web thickness. "
                                    "tf: flange thickness. r1: root radius between web and flange."};
    static constexpr Outline ParallelU{"S302",
                                       "A U section with parallel flanges. h: depth. b: flange width. "
                                       "tw: web thickness. tf: flange thickness. r1: root radius."};
    static constexpr Outline TaperedU{"S303", "A U section whose flanges taper by 8 percent. h: depth. "
                                              "b: flange width. tw: web thickness. tf: flange thickness "
                                              "halfway across the flange. r1: root radius. r2: toe radius."};
    static constexpr Outline LShape{"S304", "An angle. h and b: the outer lengths of the legs. t: leg "
                                            "thickness. r1: root radius. r2: toe radius."};
    static constexpr Outline Tube{"S305", "A rectangular or square tube. h and b: outside dimensions. "
                                          "t: wall thickness."};
    static constexpr Outline RoundTube{"S306", "A round tube. D: outside diameter. t: wall thickness."};
    // The American tables' letters: h is d, b is bf, r1 is kdes less tf.
    static constexpr Outline AmericanI{"S301", "An I shape. h: depth. b: flange width. tw: web thickness. "
                                               "tf: flange thickness. r1: fillet between web and flange."};
    static constexpr Outline AmericanChannel{"S302",
                                             "A channel. h: depth. b: flange width. tw: web thickness. "
                                             "tf: mean flange thickness. r1: fillet between web and "
                                             "flange."};
    static constexpr Outline AmericanAngle{"S304", "An angle. h and b: the outer lengths of the legs. t: leg "
                                                   "thickness. r1: fillet between the legs."};
    static constexpr Outline AmericanTee{"S307", "A tee cut from an I shape. h: depth. b: flange width. tw: "
                                                 "stem thickness. tf: flange thickness. r1: fillet between "
                                                 "stem and flange."};
    switch (family.Kind) {
    case SectionKind::IBeam:
        return IShape;
    case SectionKind::ParallelChannel:
        return ParallelU;
    case SectionKind::TaperedChannel:
        return TaperedU;
    case SectionKind::Angle:
        return LShape;
    case SectionKind::HotFinishedHollow:
    case SectionKind::ColdFormedHollow:
    case SectionKind::AmericanHollow:
        return Tube;
    case SectionKind::AmericanI:
        return AmericanI;
    case SectionKind::AmericanChannel:
        return AmericanChannel;
    case SectionKind::AmericanAngle:
        return AmericanAngle;
    case SectionKind::AmericanTee:
        return AmericanTee;
    case SectionKind::CircularHollow:
        return RoundTube;
    case SectionKind::Tabulated:
        break;
    }
    return family.Columns == TableColumns::Angle    ? LShape
           : family.Columns == TableColumns::Hollow ? Tube
                                                    : IShape;
}

// The rows of the tables that were left out, one line each naming the file and the line: told
// once, when the tables are first read.
void TellLeftOutRows(std::span<const std::string> problems) {
    if (problems.empty()) {
        return;
    }
    constexpr std::size_t Shown = 10;
    QString text = QStringLiteral("Rows of the section tables were left out:");
    for (std::size_t i = 0; i < problems.size() && i < Shown; ++i) {
        text += QLatin1Char('\n') + Text(problems[i]);
    }
    if (problems.size() > Shown) {
        text += QStringLiteral("\n... and %1 more.").arg(problems.size() - Shown);
    }
    Desktop().ShowMessage(text, MessageKind::Warning, OkButton);
}

// A read-only figure on the panel, the whole width or the part of it from `left` of `width`.
QLineEdit* MakeFigure(QWidget* panel, const char* name, int top, const QString& accessibleName,
                      const QString& description, int left = 8, int width = 169) {
    auto* field = new QLineEdit(panel);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(left, top, width, 16);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFont(WindowFont(true));
    field->setAutoFillBackground(false);
    SetAccessibleText(field, accessibleName, description);
    return field;
}

QComboBox* MakePicker(QWidget* panel, const char* name, int top, const QString& purpose) {
    auto* list = new PickList(panel);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(6, top, 173, 21);
    list->setFont(WindowFont(true));
    list->setMaxVisibleItems(16);
    list->setAccessibleDescription(purpose);
    return list;
}

} // namespace

SectionPanel::SectionPanel(sections::SectionFolders folders, QWidget* groupBox, QWidget* tabAnchor,
                           QLabel* picture)
    : m_library(std::move(folders)), m_shapes(m_library), m_groupBox(groupBox), m_tabAnchor(tabAnchor),
      m_picture(picture) {}

SectionPanel::~SectionPanel() = default;

void SectionPanel::Build() {
    m_panel = new BevelPanel(m_groupBox, BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered);
    m_panel->setObjectName(QString::fromLatin1(names::section::Panel));
    m_panel->setGeometry(layout::ParameterPanelArea);
    m_panel->setAccessibleName(GroupCaption(CalcGroup::Object) + QStringLiteral(" dimensions"));

    m_familyList =
        MakePicker(m_panel, names::section::FamilyList, 5, QStringLiteral("Object section family"));
    m_sizeList = MakePicker(m_panel, names::section::SizeList, 29, QStringLiteral("Object section size"));
    m_areaField = MakeFigure(m_panel, names::section::AreaField, 53, QStringLiteral("Section area"),
                             QStringLiteral("Cross-section area of the size chosen, in square centimetres"));
    // Side by side: what a metre weighs and what it takes to paint.
    m_massPerMetreField =
        MakeFigure(m_panel, names::section::MassPerMetreField, 69, QStringLiteral("Mass per metre"),
                   QStringLiteral("Kilograms per metre of the size chosen in the material in force"), 8, 84);
    m_surfacePerMetreField = MakeFigure(
        m_panel, names::section::SurfacePerMetreField, 69, QStringLiteral("Surface per metre"),
        QStringLiteral("Outer surface to paint per metre of the size chosen, in square metres"), 94, 83);

    auto* line = new QFrame(m_panel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(32, 88, 137, 2);
    const ShapeParameter& length = sections::SectionLength;
    auto* label = new QLabel(Text(length.Label), m_panel);
    label->move(66, 103);
    label->adjustSize();
    m_lengthField = new QLineEdit(m_panel);
    m_lengthField->setObjectName(QString::fromLatin1(names::section::LengthField));
    m_lengthField->setFont(WindowFont(true));
    m_lengthField->setGeometry(119, 100, 50, 21);
    label->setObjectName(m_lengthField->objectName() + QStringLiteral("Label"));
    label->setBuddy(m_lengthField);
    SetAccessibleText(m_lengthField, ParameterName(CalcGroup::Object, length), Text(length.Description));

    // Right after the unit list, as the fields of the other panels; hidden ones are passed over.
    QWidget* previous = m_tabAnchor;
    for (QWidget* next :
         {static_cast<QWidget*>(m_familyList), static_cast<QWidget*>(m_sizeList),
          static_cast<QWidget*>(m_lengthField), static_cast<QWidget*>(m_areaField),
          static_cast<QWidget*>(m_massPerMetreField), static_cast<QWidget*>(m_surfacePerMetreField)}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    const sections::SectionCatalogue& catalogue = m_library.Catalogue();
    for (const sections::SectionFamily& family : catalogue.Families()) {
        m_familyList->addItem(Text(family.Name));
    }
    // The user's choice only: filling the lists runs nothing.
    QObject::connect(m_familyList, &QComboBox::activated, m_panel, [this] { FamilyChosen(); });
    QObject::connect(m_sizeList, &QComboBox::activated, m_panel, [this] { SizeChosen(); });
    FamilyChosen();
}

void SectionPanel::Show() {
    const bool first = m_panel == nullptr;
    if (first) {
        Build();
    }
    m_panel->show();
    ShowPicture();
    if (first) {
        TellLeftOutRows(m_library.Catalogue().Problems());
    }
}

void SectionPanel::Hide() {
    if (m_panel) {
        m_panel->hide();
    }
}

void SectionPanel::FamilyChosen() {
    m_sizeList->clear();
    const int family = m_familyList->currentIndex();
    if (family >= 0) {
        for (const sections::Section* section : m_library.Catalogue().SectionsOf(std::size_t(family))) {
            m_sizeList->addItem(Text(section->Designation));
        }
    }
    m_sizeList->setCurrentIndex(m_sizeList->count() > 0 ? 0 : -1);
    SizeChosen();
    ShowPicture();
}

void SectionPanel::SizeChosen() {
    ShowFigures();
}

const sections::Section* SectionPanel::ChosenSection() const {
    if (!m_sizeList || m_sizeList->currentIndex() < 0) {
        return nullptr;
    }
    return m_library.Catalogue().Find(m_sizeList->currentText().toStdString());
}

const ShapeEntry* SectionPanel::ChosenShape() {
    const sections::Section* section = ChosenSection();
    return section ? &m_shapes.ShapeOf(*section) : nullptr;
}

std::string SectionPanel::LengthText() const {
    return m_lengthField ? m_lengthField->text().toStdString() : std::string();
}

void SectionPanel::ShowDensity(std::int32_t density) {
    m_density = density;
    if (m_panel) {
        ShowFigures();
    }
}

void SectionPanel::ShowFigures() {
    const sections::Section* section = ChosenSection();
    if (!section) {
        m_areaField->clear();
        m_massPerMetreField->clear();
        m_surfacePerMetreField->clear();
        return;
    }
    const QString area = Text(sections::AreaText(section->Area, DecimalSeparator()));
    m_areaField->setText(QStringLiteral("A = ") + area + QStringLiteral(" cm²"));
    // kg/m³ times m²: the area is held in mm².
    const double kilogramsPerMetre = static_cast<double>(m_density) * section->Area / 1e6;
    m_massPerMetreField->setText(Text(FormatResult(kilogramsPerMetre)) + QStringLiteral(" kg/m"));
    // A table of areas alone tells no outline, and so no surface.
    m_surfacePerMetreField->setText(
        section->Perimeter ? Text(sections::SurfacePerMetreText(*section->Perimeter, DecimalSeparator())) +
                                 QStringLiteral(" m²/m")
                           : QString());
}

void SectionPanel::ShowPicture() {
    const int family = m_familyList ? m_familyList->currentIndex() : -1;
    const auto families = m_library.Catalogue().Families();
    if (family < 0 || std::size_t(family) >= families.size()) {
        m_picture->setPixmap(Picture("ZERO"));
        m_picture->setProperty("picture", QStringLiteral("ZERO"));
        SetAccessibleText(m_picture, QStringLiteral("Object picture: Standard section"),
                          QStringLiteral("No section tables were found."));
        return;
    }
    const sections::SectionFamily& chosen = families[std::size_t(family)];
    const Outline outline = OutlineOf(chosen);
    m_picture->setPixmap(Picture(outline.Picture));
    m_picture->setProperty("picture", QString::fromLatin1(outline.Picture));
    SetAccessibleText(m_picture, QStringLiteral("Object picture: Standard section ") + Text(chosen.Name),
                      QString::fromLatin1(outline.Description));
}

} // namespace volcalc::ui
