// The main window's fixed layout against the form's tables: names, parents, geometry, captions,
// hints, fonts and the order of the Tab key.
#include "form_fixture.h"
#include "user_actions.h"

#include "calc/shapes.h"
#include "calc/units.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include "ui/object_names.h"
#include <set>

namespace volcalc::test {

namespace names = volcalc::ui::names;
namespace {

enum Kind { Control, Label, RightLabel, Disabled };

struct Row {
    const char* Name;
    const char* Parent;
    QRect Geometry;
    const char* Text; // caption, title, shown text or, for picture buttons, the hint
    Kind Is = Control;
};

// The controls of the window with an empty material list, as the form's tables give them.
const Row Rows[] = {
    {names::UndoButton, "Form1", {342, 8, 46, 63}, "Undo", Disabled},
    {names::ResetButton, "Form1", {388, 8, 46, 63}, "Reset"},
    {names::AboutButton, "Form1", {434, 8, 46, 63}, "About"},
    {names::HelpButton, "Form1", {480, 8, 46, 63}, "Help"},
    {names::ExitButton, "Form1", {526, 8, 46, 63}, "Exit"},
    {names::PartsListButton, "Form1", {293, 8, 46, 63}, "List"},
    {names::MaterialGroup, "Form1", {5, 3, 280, 68}, " Material "},
    {names::ObjectGroup, "Form1", {5, 75, 280, 365}, " Object "},
    {names::ApertureGroup, "Form1", {293, 75, 280, 365}, " Aperture "},
    {names::TotalsPanel, "Form1", {0, 443, 579, 120}, ""},
    {names::VolumeGroup, names::TotalsPanel, {5, 5, 280, 105}, " Volume "},
    {names::MassGroup, names::TotalsPanel, {293, 5, 280, 105}, " Mass "},
    {names::AddMaterialButton, names::MaterialGroup, {8, 16, 36, 36}, "Addition of the material list"},
    {names::MaterialList, names::MaterialGroup, {51, 17, 175, 21}, ""},
    {names::RemoveMaterialButton, names::MaterialGroup, {235, 16, 36, 36}, "Removal of the material"},
    {"Label80", names::MaterialGroup, {67, 45, 38, 13}, "Density:", RightLabel},
    {names::DensityField, names::MaterialGroup, {116, 46, 33, 16}, "0"},
    {"Label11", names::MaterialGroup, {152, 45, 25, 13}, "kg/m", Label},
    {"Label12", names::MaterialGroup, {177, 40, 6, 13}, "3", Label},
    {"Panel1", names::ObjectGroup, {8, 15, 264, 174}, ""},
    {names::ObjectPicture, "Panel1", {2, 2, 260, 170}, ""},
    {names::ObjectShapeList, names::ObjectGroup, {8, 198, 121, 21}, "Parallelepiped"},
    {"Label6", names::ObjectGroup, {144, 195, 44, 26}, "Measure units:", Label},
    {names::ObjectUnitList, names::ObjectGroup, {200, 198, 73, 21}, "millimeter"},
    {"Label7", names::ObjectGroup, {209, 255, 39, 13}, "Quantity", Label},
    {names::ObjectQuantity, names::ObjectGroup, {208, 269, 57, 22}, "1"},
    {names::ObjectCalculateButton, names::ObjectGroup, {200, 323, 73, 30}, "Click for calculate this object"},
    {"Panel2", names::ApertureGroup, {8, 15, 264, 174}, ""},
    {names::AperturePicture, "Panel2", {2, 2, 260, 170}, ""},
    {names::ApertureShapeList, names::ApertureGroup, {8, 198, 121, 21}, "None"},
    {"Label66", names::ApertureGroup, {144, 195, 44, 26}, "Measure units:", Label},
    {names::ApertureUnitList, names::ApertureGroup, {200, 198, 73, 21}, "millimeter"},
    {"Label22", names::ApertureGroup, {209, 255, 42, 13}, "Quantity ", Label},
    {names::ApertureQuantity, names::ApertureGroup, {208, 269, 57, 22}, "1"},
    {names::ApertureCalculateButton,
     names::ApertureGroup,
     {200, 323, 73, 30},
     "Click for calculate this aperture",
     Disabled},
    {"Label10", names::VolumeGroup, {16, 16, 30, 13}, "Total", Label},
    {names::TotalVolumeField, names::VolumeGroup, {16, 30, 113, 26}, ""},
    {"Label4", names::VolumeGroup, {148, 34, 26, 13}, "cubic", Label},
    {"Label79", names::VolumeGroup, {184, 16, 66, 13}, "Measure units", Label},
    {names::VolumeUnitList, names::VolumeGroup, {184, 30, 84, 21}, "meter"},
    {"Label54", names::VolumeGroup, {16, 60, 31, 13}, "Object", Label},
    {names::ObjectVolumeField, names::VolumeGroup, {16, 74, 113, 21}, ""},
    {"Label55", names::VolumeGroup, {155, 60, 40, 13}, "Aperture", Label},
    {names::ApertureVolumeField, names::VolumeGroup, {155, 74, 113, 21}, ""},
    {"Label23", names::MassGroup, {16, 16, 30, 13}, "Total", Label},
    {names::TotalMassField, names::MassGroup, {16, 30, 113, 26}, ""},
    {"Label9", names::MassGroup, {184, 16, 66, 13}, "Measure units", Label},
    {names::MassUnitList, names::MassGroup, {184, 30, 84, 21}, "kilogram"},
    {"Label25", names::MassGroup, {16, 60, 31, 13}, "Object", Label},
    {names::ObjectMassField, names::MassGroup, {16, 74, 113, 21}, ""},
    {"Label24", names::MassGroup, {155, 60, 40, 13}, "Aperture", Label},
    {names::ApertureMassField, names::MassGroup, {155, 74, 113, 21}, ""},
};

QString ShownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        return list->currentText();
    }
    if (qobject_cast<QPushButton*>(widget)) {
        return widget->toolTip(); // picture only
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().isEmpty() ? button->toolTip() : button->text();
    }
    return {};
}

class WindowLayout : public FormFixture {
protected:
    void SetUp() override { StartWith(nullptr); }

    // A panel exists from its first showing on: chooses every shape of both lists in turn.
    void ShowEveryPanel() {
        for (const auto& [list, group] : {std::pair{names::ObjectShapeList, CalcGroup::Object},
                                          std::pair{names::ApertureShapeList, CalcGroup::Aperture}}) {
            for (const ShapeEntry& entry : ShapesOf(group)) {
                Choose(list, std::string(entry.DisplayName).c_str());
            }
        }
    }
};

TEST_F(WindowLayout, WindowIsFixedSilverAndCaptioned) {
    EXPECT_EQ(Form().objectName(), "Form1");
    EXPECT_EQ(Form().windowTitle(), "Orlisk Volume Calculator 4.1");
    EXPECT_EQ(Form().size(), QSize(579, 563));
    EXPECT_EQ(Form().minimumSize(), Form().maximumSize());
    const Qt::WindowFlags flags = Form().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Form().palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(Find(names::TotalsPanel)->palette().color(QPalette::Window), QColor(160, 160, 164));
    EXPECT_EQ(Form().font().pixelSize(), 11);
}

TEST_F(WindowLayout, EveryControlHasItsParentGeometryAndText) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.Name);
        QWidget* widget = Find(row.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), row.Parent);
        EXPECT_EQ(ShownText(widget), row.Text);
        EXPECT_EQ(widget->isEnabled(), row.Is != Disabled);
        const QRect shown = widget->geometry();
        if (row.Is == Label || row.Is == RightLabel) {
            // A label keeps its place and height and widens only when its text needs it.
            const QRect& drawn = row.Geometry;
            EXPECT_EQ(row.Is == RightLabel ? shown.right() : shown.left(),
                      row.Is == RightLabel ? drawn.right() : drawn.left());
            EXPECT_EQ(shown.top(), drawn.top());
            EXPECT_EQ(shown.height(), drawn.height());
            EXPECT_GE(shown.width(), drawn.width());
        } else {
            EXPECT_EQ(shown, row.Geometry);
        }
    }
}

TEST_F(WindowLayout, ToolbarButtonsShowTheirCaptionAsHint) {
    for (const char* name :
         {names::UndoButton, names::ResetButton, names::AboutButton, names::HelpButton, names::ExitButton}) {
        auto* button = Find<QAbstractButton>(name);
        EXPECT_EQ(button->toolTip(), button->text()) << name;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(WindowLayout, ListsHoldTheirEntriesInOrder) {
    const auto entries = [this](const char* name) {
        QStringList texts;
        auto* list = Find<QComboBox>(name);
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
        }
        return texts;
    };
    EXPECT_EQ(entries(names::ObjectShapeList),
              QStringList({"Parallelepiped", "Cylinder", "Pipe", "Prism1", "Prism2", "Sphere",
                           "Part of sphere", "Cone", "Blunted cone", "Pyramid", "Hexahedral Bar", "I-Beam",
                           "C channel", "Lip channel", "Angle", "Standard section"}));
    EXPECT_EQ(entries(names::ApertureShapeList),
              QStringList({"None", "Parallelepiped", "Cylinder", "Prism1", "Prism2", "Sphere",
                           "Part of sphere", "Cone", "Blunted cone", "Pyramid"}));
    const QStringList lengths = {"millimeter", "centimeter", "meter", "inch", "foot", "yard"};
    EXPECT_EQ(entries(names::ObjectUnitList), lengths);
    EXPECT_EQ(entries(names::ApertureUnitList), lengths);
    EXPECT_EQ(entries(names::VolumeUnitList), lengths);
    EXPECT_EQ(entries(names::MassUnitList),
              QStringList({"gram", "kilogram", "centner", "metric ton", "pound"}));
    for (const char* shapes : {names::ObjectShapeList, names::ApertureShapeList}) {
        EXPECT_TRUE(Find<QComboBox>(shapes)->font().bold());
        EXPECT_EQ(Find<QComboBox>(shapes)->maxVisibleItems(), 16);
    }
    // The lists drop down in their boxes' fonts, though the window sets those before any list is made.
    for (const char* name : {names::ObjectShapeList, names::VolumeUnitList, names::MaterialList}) {
        auto* list = Find<QComboBox>(name);
        EXPECT_EQ(list->view()->font(), list->font()) << name;
    }
}

TEST_F(WindowLayout, FontsOfTheResultsAndTheirLabels) {
    for (const char* total : {names::TotalVolumeField, names::TotalMassField}) {
        EXPECT_EQ(Find(total)->font().pixelSize(), 16) << total;
        EXPECT_TRUE(Find(total)->font().bold()) << total;
    }
    for (const char* figure : {names::ObjectVolumeField, names::ApertureVolumeField, names::ObjectMassField,
                               names::ApertureMassField, "Label54", "Label79", "Label4"}) {
        EXPECT_EQ(Find(figure)->font().pixelSize(), 11) << figure;
        EXPECT_FALSE(Find(figure)->font().bold()) << figure;
    }
    EXPECT_TRUE(Find("Label10")->font().bold());
    EXPECT_TRUE(Find("Label23")->font().bold());
    for (const char* field : {names::ObjectVolumeField, names::TotalVolumeField, names::DensityField}) {
        EXPECT_TRUE(Find<QLineEdit>(field)->isReadOnly()) << field;
        EXPECT_FALSE(Find<QLineEdit>(field)->hasFrame()) << field;
    }
}

TEST_F(WindowLayout, EveryParameterPanelLiesOnTheSameRectangleOfItsGroup) {
    ShowEveryPanel();
    std::set<std::string> panels;
    for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const names::PanelNames& names : names::PanelsOf(group)) {
            if (!panels.insert(names.Panel).second) {
                continue;
            }
            QWidget* panel = Find(names.Panel);
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->geometry(), QRect(8, 225, 185, 129)) << names.Panel;
            EXPECT_EQ(panel->parentWidget()->objectName(),
                      group == CalcGroup::Object ? names::ObjectGroup : names::ApertureGroup);
        }
    }
    EXPECT_EQ(panels.size(), 22u);
}

struct FieldRow {
    const char* Panel;
    const char* Field;
    QRect Geometry;
    QPoint LabelAt;
    const char* LabelText;
};

// One panel of each layout, as the form places labels and fields inside it.
const FieldRow FieldRows[] = {
    {"Panel2parallelepiped", "Edit2", {103, 20, 50, 21}, {18, 22}, "Length (a) ="},
    {"Panel2parallelepiped", "Edit3", {103, 44, 50, 21}, {18, 46}, "Width (b) ="},
    {"Panel2parallelepiped", "Edit4", {103, 68, 50, 21}, {18, 70}, "Thickness (c) ="},
    {"Panel3cylinder", "Edit55", {103, 20, 50, 21}, {18, 22}, "Diameter (a) ="},
    {"Panel3cylinder", "Edit56", {103, 44, 50, 21}, {18, 46}, "Length (b) ="},
    {"Panel2pipe", "Edit13", {127, 20, 50, 21}, {10, 22}, "External diameter (a) ="},
    {"Panel2pipe", "Edit14", {127, 44, 50, 21}, {10, 46}, "Internal diameter (b) ="},
    {"Panel2pipe", "Edit15", {127, 68, 50, 21}, {10, 70}, "Length (c) ="},
    {"Panel3prism", "Edit57", {55, 20, 50, 21}, {26, 22}, "a ="},
    {"Panel3prism", "Edit59", {55, 68, 50, 21}, {26, 70}, "c ="},
    {"Panel2hexbar", "Edit30", {55, 32, 50, 21}, {33, 35}, "a ="},
    {"Panel2hexbar", "Edit31", {119, 100, 50, 21}, {66, 103}, "Length ="},
    {"Panel2beam", "Edit32", {39, 24, 45, 21}, {17, 27}, "a ="},
    {"Panel2beam", "Edit35", {119, 24, 45, 21}, {97, 27}, "b ="},
    {"Panel2beam", "Edit34", {39, 48, 45, 21}, {17, 51}, "c ="},
    {"Panel2beam", "Edit36", {119, 48, 45, 21}, {97, 51}, "d ="},
    {"Panel2beam", "Edit33", {119, 100, 50, 21}, {66, 103}, "Length ="},
    {"Panel2angle", "Edit50", {39, 24, 45, 21}, {17, 27}, "a ="},
    {"Panel2angle", "Edit52", {119, 24, 45, 21}, {97, 27}, "b ="},
    {"Panel2angle", "Edit51", {39, 48, 45, 21}, {17, 51}, "c ="},
    {"Panel2angle", "Edit49", {119, 100, 50, 21}, {66, 103}, "Length ="},
};

TEST_F(WindowLayout, PanelsPlaceLabelsAndFieldsByTheirLayout) {
    ShowEveryPanel();
    for (const FieldRow& row : FieldRows) {
        SCOPED_TRACE(row.Field);
        auto* field = Find<QLineEdit>(row.Field);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->parentWidget()->objectName(), row.Panel);
        EXPECT_EQ(field->geometry(), row.Geometry);
        EXPECT_TRUE(field->font().bold());
        EXPECT_EQ(field->text(), "");
        auto* label = Find<QLabel>((std::string(row.Field) + "Label").c_str());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), row.LabelAt);
        EXPECT_EQ(label->text(), row.LabelText);
    }
    // The angle has no d; the profiles and the bar have their separating line.
    EXPECT_EQ(Find("Panel2angle")->findChildren<QLineEdit*>().size(), 4);
    for (const char* panel : {"Panel2hexbar", "Panel2beam", "Panel2channel", "Panel2lip", "Panel2angle"}) {
        QList<QFrame*> lines;
        for (QFrame* frame : Find(panel)->findChildren<QFrame*>()) {
            if (frame->frameShape() == QFrame::HLine) {
                lines << frame;
            }
        }
        ASSERT_EQ(lines.size(), 1) << panel;
        EXPECT_EQ(lines[0]->geometry().topLeft(), QPoint(32, 88)) << panel;
        EXPECT_EQ(lines[0]->width(), 137) << panel;
    }
}

TEST_F(WindowLayout, NoLabelIsClippedOrRunsIntoItsField) {
    for (QLabel* label : Form().findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        SCOPED_TRACE(label->objectName().toStdString() + " " + label->text().toStdString());
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_LE(metrics.height(), label->height());
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
            for (const QString& word : label->text().split(' ')) {
                EXPECT_LE(metrics.horizontalAdvance(word), label->width());
            }
        } else {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        }
        if (QWidget* field = label->buddy(); field && field->y() < label->geometry().bottom()) {
            EXPECT_LT(label->geometry().right(), field->x());
        }
    }
}

// Every control that takes the keyboard focus, in the order of the Tab key.
const std::vector<std::string> TabChain = {
    names::ObjectShapeList, names::ObjectCalculateButton, names::ObjectQuantity, names::ObjectUnitList,
    // object panels, each in its own order
    "Edit2", "Edit3", "Edit4", "Edit6", "Edit12", "Edit13", "Edit14", "Edit15", "Edit18", "Edit19", "Edit20",
    "Edit21", "Edit22", "Edit23", "Edit53", "Edit54", "Edit24", "Edit25", "Edit26", "Edit27", "Edit28",
    "Edit29", "Edit30", "Edit31", "Edit33", "Edit32", "Edit34", "Edit36", "Edit35", "Edit37", "Edit38",
    "Edit39", "Edit41", "Edit40", "Edit44", "Edit45", "Edit46", "Edit48", "Edit47", "Edit49", "Edit50",
    "Edit51", "Edit52", names::ApertureShapeList, names::ApertureQuantity, names::ApertureCalculateButton,
    names::ApertureUnitList,
    // aperture panels
    "Edit5", "Edit8", "Edit9", "Edit55", "Edit56", "Edit57", "Edit58", "Edit59", "Edit60", "Edit61", "Edit62",
    "Edit63", "Edit64", "Edit65", "Edit66", "Edit67", "Edit68", "Edit69", "Edit70", names::MaterialList,
    names::DensityField, names::TotalVolumeField, names::VolumeUnitList, names::ObjectVolumeField,
    names::ApertureVolumeField, names::TotalMassField, names::MassUnitList, names::ApertureMassField,
    names::ObjectMassField};

TEST_F(WindowLayout, FocusChainFollowsTheFormsTabOrder) {
    ShowEveryPanel();
    std::vector<std::string> chain;
    for (QWidget* widget = Form().nextInFocusChain(); widget != &Form();
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
            chain.push_back(widget->objectName().toStdString());
        }
    }
    EXPECT_EQ(chain, TabChain);
}

class TabWalk : public WindowLayout {
protected:
    // The controls the Tab key visits, starting at the named one, until it comes back there.
    std::vector<std::string> Walk(const char* start, std::size_t most) {
        Find(start)->setFocus(Qt::TabFocusReason);
        std::vector<std::string> visited;
        while (visited.size() < most) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) {
                break;
            }
            visited.push_back(focus->objectName().toStdString());
            PressTab();
            if (QApplication::focusWidget() == Find(start)) {
                break;
            }
        }
        return visited;
    }
};

TEST_F(TabWalk, VisitsTheVisibleControlsOfEachContainerInOrder) {
    EXPECT_THAT(
        Walk(names::ObjectShapeList, 40),
        ::testing::ElementsAre(names::ObjectShapeList, names::ObjectCalculateButton, names::ObjectQuantity,
                               names::ObjectUnitList, "Edit2", "Edit3", "Edit4", names::ApertureShapeList,
                               names::ApertureQuantity, names::ApertureUnitList, names::MaterialList,
                               names::DensityField, names::TotalVolumeField, names::VolumeUnitList,
                               names::ObjectVolumeField, names::ApertureVolumeField, names::TotalMassField,
                               names::MassUnitList, names::ApertureMassField, names::ObjectMassField));
}

TEST_F(TabWalk, ProfileFieldsGoFromTheLengthToTheSection) {
    Choose(names::ObjectShapeList, "I-Beam");
    Choose(names::ApertureShapeList, "Cone");
    const std::vector<std::string> walk = Walk(names::ObjectUnitList, 9);
    EXPECT_THAT(walk, ::testing::ElementsAre(names::ObjectUnitList, "Edit33", "Edit32", "Edit34", "Edit36",
                                             "Edit35", names::ApertureShapeList, names::ApertureQuantity,
                                             names::ApertureCalculateButton));
}

} // namespace
} // namespace volcalc::test
