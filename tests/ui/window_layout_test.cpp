// SPDX-License-Identifier: GPL-3.0-or-later
// The main window against its fixed layout table: every control where the table puts it, inside
// its parent and clear of its neighbours, in the order of the Tab key; and the table's own rules.
// Captions, hints and fonts as the form shows them.
#include "form_fixture.h"
#include "user_actions.h"

#include "calc/shapes.h"
#include "calc/units.h"
#include "ui/main_window/fixed_layout.h"
#include "ui/main_window/panel_layout.h"
#include "ui/main_window/section_panel.h"
#include "ui/object_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <set>
#include <string_view>

namespace volcalc::test {

namespace layout = volcalc::ui::layout;
namespace {

// What each fixed control shows in the window with an empty material list: caption, title, shown
// text or, for picture buttons, the hint.
struct ShownRow {
    const char* Name;
    const char* Text;
    bool Enabled = true;
};

const ShownRow Shown[] = {
    {names::UndoButton, "Undo", false},
    {names::ResetButton, "Reset"},
    {names::AboutButton, "About"},
    {names::HelpButton, "Help"},
    {names::ExitButton, "Exit"},
    {names::PartsListButton, "List"},
    {names::MaterialGroup, " Material "},
    {names::Object.Group, " Object "},
    {names::Aperture.Group, " Aperture "},
    {names::TotalsPanel, ""},
    {names::Volume.Group, " Volume "},
    {names::Mass.Group, " Mass "},
    {names::AddMaterialButton, "Addition of the material list"},
    {names::MaterialList, ""},
    {names::RemoveMaterialButton, "Removal of the material"},
    {names::DensityLabel, "Density:"},
    {names::DensityField, "0"},
    {names::DensityUnitLabel, "kg/m"},
    {names::DensityUnitPowerLabel, "3"},
    {names::Object.ShapeList, "Parallelepiped"},
    {names::Object.UnitsLabel, "Measure units:"},
    {names::Object.UnitList, "millimeter"},
    {names::Object.QuantityLabel, "Quantity"},
    {names::Object.Quantity, "1"},
    {names::Object.CalculateButton, "Click for calculate this object"},
    {names::Aperture.ShapeList, "None"},
    {names::Aperture.UnitsLabel, "Measure units:"},
    {names::Aperture.UnitList, "millimeter"},
    {names::Aperture.QuantityLabel, "Quantity "},
    {names::Aperture.Quantity, "1"},
    {names::Aperture.CalculateButton, "Click for calculate this aperture", false},
    {names::Volume.TotalLabel, "Total"},
    {names::CubicLabel, "cubic"},
    {names::Volume.UnitsLabel, "Measure units"},
    {names::Volume.Units, "meter"},
    {names::Volume.ObjectLabel, "Object"},
    {names::Volume.ApertureLabel, "Aperture"},
    {names::Mass.TotalLabel, "Total"},
    {names::Mass.UnitsLabel, "Measure units"},
    {names::Mass.Units, "kilogram"},
    {names::Mass.ObjectLabel, "Object"},
    {names::Mass.ApertureLabel, "Aperture"},
};

// The rectangle a parent gives its children: the window's client area or the parent's own size.
QRect InnerOf(std::string_view parent) {
    if (parent == names::MainWindow) {
        return {0, 0, layout::ClientWidth, layout::ClientHeight};
    }
    return {QPoint(0, 0), layout::PlaceOf(parent).size()};
}

// The named children of a widget that the user can see; a control's own parts have no name.
std::vector<QWidget*> VisibleNamedChildren(QWidget* parent) {
    std::vector<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_")) {
            children.push_back(child);
        }
    }
    return children;
}

// Every visible named control lies inside its parent, and no two of one parent overlap.
void ExpectInsideAndApart(QWidget* parent) {
    const std::vector<QWidget*> children = VisibleNamedChildren(parent);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const QRect place = children[i]->geometry();
        const std::string name = children[i]->objectName().toStdString();
        EXPECT_TRUE(parent->rect().contains(place))
            << name << " outside " << parent->objectName().toStdString();
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            EXPECT_FALSE(place.intersects(children[j]->geometry()))
                << name << " overlaps " << children[j]->objectName().toStdString();
        }
        ExpectInsideAndApart(children[i]);
    }
}

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
    EXPECT_EQ(Form().objectName(), names::MainWindow);
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

// The table alone: one place per name; parents listed before their children; every control
// inside its parent and clear of its siblings; every control of the Tab order placed.
TEST(FixedLayoutTable, PlacesEveryControlOnceInsideItsParentAndClearOfItsSiblings) {
    std::set<std::string_view> placed = {names::MainWindow};
    for (std::size_t i = 0; i < layout::FixedControls.size(); ++i) {
        const layout::FixedPlace& row = layout::FixedControls[i];
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(placed.contains(row.Parent)) << "parent listed later or not at all";
        EXPECT_TRUE(placed.insert(row.Name).second) << "placed twice";
        EXPECT_FALSE(row.Geometry.isEmpty());
        EXPECT_TRUE(InnerOf(row.Parent).contains(row.Geometry));
        for (std::size_t j = i + 1; j < layout::FixedControls.size(); ++j) {
            const layout::FixedPlace& other = layout::FixedControls[j];
            if (std::string_view(other.Parent) == row.Parent) {
                EXPECT_FALSE(row.Geometry.intersects(other.Geometry)) << "overlaps " << other.Name;
            }
        }
    }
    for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
        const names::GroupNames& own = names::Of(group);
        EXPECT_TRUE(InnerOf(own.Group).contains(layout::ParameterPanelArea));
        for (const char* control : {own.PictureFrame, own.ShapeList, own.UnitsLabel, own.UnitList,
                                    own.QuantityLabel, own.Quantity, own.CalculateButton}) {
            EXPECT_FALSE(layout::ParameterPanelArea.intersects(layout::PlaceOf(control))) << control;
        }
    }
    std::set<std::string_view> inTabOrder;
    for (const char* name : layout::TabOrder) {
        EXPECT_TRUE(placed.contains(name)) << name;
        EXPECT_TRUE(inTabOrder.insert(name).second) << name << " twice in the Tab order";
    }
}

TEST_F(WindowLayout, EveryControlStandsWhereTheTablePutsIt) {
    for (const layout::FixedPlace& row : layout::FixedControls) {
        SCOPED_TRACE(row.Name);
        QWidget* widget = Find(row.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), row.Parent);
        const QRect shown = widget->geometry();
        const QRect& drawn = row.Geometry;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // A label keeps its place and height and widens only when its text needs it.
            const bool right = label->alignment() & Qt::AlignRight;
            EXPECT_EQ(right ? shown.right() : shown.left(), right ? drawn.right() : drawn.left());
            EXPECT_EQ(shown.top(), drawn.top());
            EXPECT_EQ(shown.height(), drawn.height());
            EXPECT_GE(shown.width(), drawn.width());
        } else {
            EXPECT_EQ(shown, drawn);
        }
    }
}

TEST_F(WindowLayout, EveryControlStaysInsideItsParentAndClearOfItsNeighbours) {
    // Widened labels and every parameter panel in turn.
    for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const ShapeEntry& entry : ShapesOf(group)) {
            SCOPED_TRACE(std::string(entry.DisplayName));
            Choose(names::Of(group).ShapeList, std::string(entry.DisplayName).c_str());
            ExpectInsideAndApart(&Form());
        }
    }
    Choose(names::ObjectShapeList, ui::StandardSectionEntry);
    ExpectInsideAndApart(&Form());
}

TEST_F(WindowLayout, EveryControlShowsItsText) {
    for (const ShownRow& row : Shown) {
        SCOPED_TRACE(row.Name);
        QWidget* widget = Find(row.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(ShownText(widget), row.Text);
        EXPECT_EQ(widget->isEnabled(), row.Enabled);
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
    for (const char* figure :
         {names::ObjectVolumeField, names::ApertureVolumeField, names::ObjectMassField,
          names::ApertureMassField, names::Volume.ObjectLabel, names::Volume.UnitsLabel, names::CubicLabel}) {
        EXPECT_EQ(Find(figure)->font().pixelSize(), 11) << figure;
        EXPECT_FALSE(Find(figure)->font().bold()) << figure;
    }
    EXPECT_TRUE(Find(names::Volume.TotalLabel)->font().bold());
    EXPECT_TRUE(Find(names::Mass.TotalLabel)->font().bold());
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
            if (!names.Panel || !panels.insert(names.Panel).second) { // "None" has no panel
                continue;
            }
            QWidget* panel = Find(names.Panel);
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->geometry(), layout::ParameterPanelArea) << names.Panel;
            EXPECT_EQ(panel->parentWidget()->objectName(),
                      group == CalcGroup::Object ? names::ObjectGroup : names::ApertureGroup);
        }
    }
    EXPECT_EQ(panels.size(), 22u);
}

// Inside each panel: every field with its label on its row to its left, bold and empty; the bar
// and the profiles with one line between the cross-section above it and the length below it.
TEST_F(WindowLayout, PanelsPlaceEachLabelBeforeItsField) {
    ShowEveryPanel();
    for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
        for (const ShapeEntry& entry : ShapesOf(group)) {
            const names::PanelNames* panelNames = names::PanelOf(group, entry.DisplayName);
            if (!panelNames) {
                continue;
            }
            SCOPED_TRACE(std::string(entry.DisplayName));
            QWidget* panel = Find(panelNames->Panel);
            EXPECT_EQ(panel->findChildren<QLineEdit*>().size(), qsizetype(entry.Parameters.size()));
            QList<QFrame*> lines;
            for (QFrame* frame : panel->findChildren<QFrame*>()) {
                if (frame->frameShape() == QFrame::HLine) {
                    lines << frame;
                }
            }
            const bool separated = ui::HasSeparatorLine(entry.Panel);
            ASSERT_EQ(lines.size(), separated ? 1 : 0);
            for (std::size_t i = 0; i < entry.Parameters.size(); ++i) {
                const ShapeParameter& parameter = entry.Parameters[i];
                auto* field = Find<QLineEdit>(panelNames->Fields[i]);
                ASSERT_NE(field, nullptr);
                EXPECT_EQ(field->parentWidget(), panel);
                EXPECT_TRUE(field->font().bold());
                EXPECT_EQ(field->text(), "");
                auto* label = Find<QLabel>((std::string(panelNames->Fields[i]) + "Label").c_str());
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->text(),
                          QString::fromUtf8(parameter.Label.data(), qsizetype(parameter.Label.size())));
                EXPECT_EQ(label->buddy(), field);
                EXPECT_LT(label->geometry().right(), field->x());
                EXPECT_LT(std::abs(label->geometry().center().y() - field->geometry().center().y()), 4);
                if (separated) {
                    const bool below = field->y() > lines[0]->geometry().bottom();
                    EXPECT_EQ(below, parameter.Letter == "Length") << parameter.Letter;
                }
            }
        }
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

// The fields of a group's panels as the Tab key visits them: panel after panel in the order of
// the shape list, each panel's fields in its own order.
std::vector<std::string> ParameterTabOrder(CalcGroup group) {
    std::vector<std::string> order;
    std::set<std::string> panels;
    for (const ShapeEntry& entry : ShapesOf(group)) {
        const names::PanelNames* panel = names::PanelOf(group, entry.DisplayName);
        if (!panel || !panels.insert(panel->Panel).second) {
            continue;
        }
        std::vector<std::string_view> letters;
        for (std::string_view letter : ui::TabOrderOf(entry.Panel)) {
            letters.push_back(letter);
        }
        if (letters.empty()) {
            for (const ShapeParameter& parameter : entry.Parameters) {
                letters.push_back(parameter.Letter);
            }
        }
        for (std::string_view letter : letters) {
            if (const char* field = names::Field(group, entry.DisplayName, letter)) {
                order.push_back(field);
            }
        }
    }
    return order;
}

TEST_F(WindowLayout, FocusChainFollowsTheFormsTabOrder) {
    ShowEveryPanel();
    std::vector<std::string> chain;
    for (QWidget* widget = Form().nextInFocusChain(); widget != &Form();
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
            chain.push_back(widget->objectName().toStdString());
        }
    }
    std::vector<std::string> expected;
    for (const char* name : layout::TabOrder) {
        expected.push_back(name);
        for (CalcGroup group : {CalcGroup::Object, CalcGroup::Aperture}) {
            if (std::string_view(name) == names::Of(group).UnitList) {
                const std::vector<std::string> fields = ParameterTabOrder(group);
                expected.insert(expected.end(), fields.begin(), fields.end());
            }
        }
    }
    EXPECT_EQ(chain, expected);
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

const char* ParallelepipedField(const char* letter) {
    return names::Field(CalcGroup::Object, "Parallelepiped", letter);
}

TEST_F(TabWalk, VisitsTheVisibleControlsOfEachContainerInOrder) {
    EXPECT_THAT(
        Walk(names::ObjectShapeList, 40),
        ::testing::ElementsAre(names::ObjectShapeList, names::ObjectCalculateButton, names::ObjectQuantity,
                               names::ObjectUnitList, ParallelepipedField("a"), ParallelepipedField("b"),
                               ParallelepipedField("c"), names::ApertureShapeList, names::ApertureQuantity,
                               names::ApertureUnitList, names::MaterialList, names::DensityField,
                               names::TotalVolumeField, names::VolumeUnitList, names::ObjectVolumeField,
                               names::ApertureVolumeField, names::TotalMassField, names::MassUnitList,
                               names::ApertureMassField, names::ObjectMassField));
}

TEST_F(TabWalk, ProfileFieldsGoFromTheLengthToTheSection) {
    Choose(names::ObjectShapeList, "I-Beam");
    Choose(names::ApertureShapeList, "Cone");
    const std::vector<std::string> walk = Walk(names::ObjectUnitList, 9);
    const auto beam = [](const char* letter) { return names::Field(CalcGroup::Object, "I-Beam", letter); };
    EXPECT_THAT(walk, ::testing::ElementsAre(names::ObjectUnitList, beam("Length"), beam("a"), beam("c"),
                                             beam("d"), beam("b"), names::ApertureShapeList,
                                             names::ApertureQuantity, names::ApertureCalculateButton));
}

} // namespace
} // namespace volcalc::test
