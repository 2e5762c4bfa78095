// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing shapes: pictures, parameter panels, the quantity reset and the aperture button.
#include "form_fixture.h"

#include "calc/shapes.h"
#include "ui/object_names.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <gmock/gmock.h>

#include <set>
#include <vector>

namespace volcalc::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

class ShapePanels : public FormFixture {
protected:
    QString PictureOf(const char* image) { return Find<QLabel>(image)->property("picture").toString(); }

    // Names of the parameter panels of a group that the user can see.
    std::set<std::string> VisiblePanels(CalcGroup group) {
        std::set<std::string> panels;
        for (const names::PanelNames& panel : names::PanelsOf(group)) {
            if (!panel.Panel) {
                continue;
            }
            const QString name = QString::fromLatin1(panel.Panel);
            const auto* widget = Form().findChild<QWidget*>(name);
            if (widget && widget->isVisible()) {
                EXPECT_EQ(widget->parentWidget()->objectName(), names::Of(group).Group);
                panels.insert(name.toStdString());
            }
        }
        return panels;
    }

    bool ApertureButtonEnabled() { return Find<QPushButton>(names::ApertureCalculateButton)->isEnabled(); }
};

TEST_F(ShapePanels, StartShowsTheParallelepipedAndNoAperture) {
    EXPECT_EQ(PictureOf(names::ObjectPicture), "P001");
    EXPECT_EQ(PictureOf(names::AperturePicture), "ZERO");
    EXPECT_THAT(VisiblePanels(CalcGroup::Object),
                ElementsAre(names::PanelOf(CalcGroup::Object, "Parallelepiped")->Panel));
    EXPECT_THAT(VisiblePanels(CalcGroup::Aperture), IsEmpty());
    EXPECT_FALSE(ApertureButtonEnabled());
    EXPECT_TRUE(Find(names::ObjectCalculateButton)->isEnabled());
    EXPECT_EQ(TextOf(names::ObjectQuantity), "1");
    EXPECT_EQ(TextOf(names::ApertureQuantity), "1");
}

// Every object shape, chosen after the quantity was set to 7.
TEST_F(ShapePanels, EachObjectShapeShowsItsPictureAndPanelAndResetsTheQuantity) {
    for (const ShapeEntry& entry : ObjectShapes) {
        SCOPED_TRACE(std::string(entry.DisplayName));
        Type(names::ObjectQuantity, "7");
        Choose(names::ObjectShapeList, std::string(entry.DisplayName).c_str());
        EXPECT_EQ(PictureOf(names::ObjectPicture), Q(entry.Picture));
        EXPECT_THAT(VisiblePanels(CalcGroup::Object),
                    ElementsAre(names::PanelOf(CalcGroup::Object, entry.DisplayName)->Panel));
        EXPECT_EQ(TextOf(names::ObjectQuantity), "1");
        for (const ShapeParameter& parameter : entry.Parameters) {
            EXPECT_TRUE(
                Find(names::Field(CalcGroup::Object, entry.DisplayName, parameter.Letter))->isVisible());
        }
    }
}

// Every aperture shape in turn, and "None" again at the end: the button goes off, the panels away.
TEST_F(ShapePanels, EachApertureShapeShowsItsPanelEnablesCalculationAndKeepsTheQuantity) {
    Type(names::ApertureQuantity, "7");
    std::vector<ShapeEntry> order(ApertureShapes.begin() + 1, ApertureShapes.end());
    order.push_back(ApertureShapes.front());
    for (const ShapeEntry& entry : order) {
        SCOPED_TRACE(std::string(entry.DisplayName));
        Choose(names::ApertureShapeList, std::string(entry.DisplayName).c_str());
        EXPECT_EQ(PictureOf(names::AperturePicture), Q(entry.Picture));
        const names::PanelNames* panel = names::PanelOf(CalcGroup::Aperture, entry.DisplayName);
        const bool none = panel == nullptr;
        EXPECT_EQ(VisiblePanels(CalcGroup::Aperture),
                  none ? std::set<std::string>{} : std::set<std::string>{panel->Panel});
        EXPECT_EQ(ApertureButtonEnabled(), !none);
        EXPECT_EQ(TextOf(names::ApertureQuantity), "7");
    }
}

TEST_F(ShapePanels, TypedTextSurvivesSwitchingToAnotherShapeAndBack) {
    Choose(names::ObjectShapeList, "Cylinder");
    Type(names::Field(CalcGroup::Object, "Cylinder", "a"), "100");
    Choose(names::ObjectShapeList, "Sphere");
    Choose(names::ObjectShapeList, "Cylinder");
    EXPECT_EQ(TextOf(names::Field(CalcGroup::Object, "Cylinder", "a")), "100");
}

// Counts how often a widget is hidden.
class HideCounter : public QObject {
public:
    int Hides = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        Hides += event->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

TEST_F(ShapePanels, Prism1ToPrism2KeepsThePanelAndItsTexts) {
    Choose(names::ObjectShapeList, "Prism1");
    Type(names::Field(CalcGroup::Object, "Prism1", "a"), "3");
    Type(names::Field(CalcGroup::Object, "Prism1", "b"), "4");
    Type(names::Field(CalcGroup::Object, "Prism1", "c"), "10");
    HideCounter counter;
    Find(names::PanelOf(CalcGroup::Object, "Prism1")->Panel)->installEventFilter(&counter);
    Choose(names::ObjectShapeList, "Prism2");
    EXPECT_EQ(counter.Hides, 0);
    EXPECT_EQ(PictureOf(names::ObjectPicture), "P004");
    EXPECT_THAT(VisiblePanels(CalcGroup::Object),
                ElementsAre(names::PanelOf(CalcGroup::Object, "Prism2")->Panel));
    EXPECT_EQ(TextOf(names::Field(CalcGroup::Object, "Prism2", "a")), "3");
    // Prism2 reads the fields typed for Prism1.
    Click(names::ObjectCalculateButton);
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_NE(TextOf(names::ObjectVolumeField), "");
}

TEST_F(ShapePanels, ShapeChangesLeaveTotalsAndUndo) {
    for (const char* letter : {"a", "b", "c"}) {
        Type(names::Field(CalcGroup::Object, "Parallelepiped", letter), "1000");
    }
    Click(names::ObjectCalculateButton);
    Choose(names::ObjectShapeList, "Angle");
    Choose(names::ApertureShapeList, "Pyramid");
    Choose(names::ApertureShapeList, "None");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.000");
    EXPECT_EQ(TextOf(names::TotalMassField), "7850.000");
    EXPECT_TRUE(Find<QToolButton>(names::UndoButton)->isEnabled());
}

TEST_F(ShapePanels, ASelectionMadeByTheProgramRunsNoHandler) {
    Type(names::ObjectQuantity, "7");
    Find<QComboBox>(names::ObjectShapeList)->setCurrentIndex(1);
    Find<QComboBox>(names::ApertureShapeList)->setCurrentIndex(7);
    EXPECT_THAT(VisiblePanels(CalcGroup::Object),
                ElementsAre(names::PanelOf(CalcGroup::Object, "Parallelepiped")->Panel));
    EXPECT_EQ(TextOf(names::ObjectQuantity), "7");
    EXPECT_FALSE(ApertureButtonEnabled());
}

TEST_F(ShapePanels, HiddenPanelsPlayNoPartInACalculation) {
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "a"),
         "abc"); // the parallelepiped's field, hidden below
    Choose(names::ObjectShapeList, "Sphere");
    Type(names::Field(CalcGroup::Object, "Sphere", "a"), "100");
    Click(names::ObjectCalculateButton);
    EXPECT_TRUE(Desktop.ErrorBoxes.empty());
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "0.001");
}

TEST_F(ShapePanels, ObjectAndApertureFieldsAreSeparate) {
    Choose(names::ObjectShapeList, "Cylinder");
    Choose(names::ApertureShapeList, "Cylinder");
    Type(names::Field(CalcGroup::Object, "Cylinder", "a"), "100");
    Type(names::Field(CalcGroup::Object, "Cylinder", "b"), "100");
    Click(names::ApertureCalculateButton); // the aperture cylinder's own fields are empty
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(TextOf(names::ApertureVolumeField), "");
}

// The names table against the shape lists: a panel for every shape with parameters, a field for
// each parameter; shapes that share a panel share its fields, and no other field serves two.
TEST(ObjectNames, EveryParameterHasAFieldOfItsOwn) {
    std::set<std::string> objectFields, apertureFields;
    for (auto group : {CalcGroup::Object, CalcGroup::Aperture}) {
        auto& fields = group == CalcGroup::Object ? objectFields : apertureFields;
        std::set<std::pair<std::string, std::string_view>> seen; // panel and letter
        std::size_t count = 0;
        for (const ShapeEntry& entry : ShapesOf(group)) {
            SCOPED_TRACE(std::string(entry.DisplayName));
            const names::PanelNames* panel = names::PanelOf(group, entry);
            ASSERT_EQ(panel == nullptr, entry.Parameters.empty());
            if (!panel) {
                continue;
            }
            for (std::size_t i = 0; i < panel->Fields.size(); ++i) {
                EXPECT_EQ(panel->Fields[i] != nullptr, i < entry.Parameters.size()) << i;
            }
            for (const ShapeParameter& p : entry.Parameters) {
                if (seen.emplace(panel->Panel, p.Letter).second) {
                    fields.insert(names::Field(group, entry, p.Letter));
                    ++count;
                }
            }
        }
        EXPECT_EQ(fields.size(), count);
    }
    EXPECT_EQ(objectFields.size(), 43u);
    EXPECT_EQ(apertureFields.size(), 19u);
    for (const auto& field : apertureFields) {
        EXPECT_FALSE(objectFields.count(field)) << field;
    }
    EXPECT_EQ(names::Field(CalcGroup::Object, "I-Beam", "e"), nullptr);
    EXPECT_EQ(names::Field(CalcGroup::Aperture, "Pipe", "a"), nullptr);
}

} // namespace
} // namespace volcalc::test
