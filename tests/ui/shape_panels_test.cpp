// Choosing shapes: pictures, parameter panels, the quantity reset and the aperture button.
#include "form_fixture.h"

#include "calc/shapes.h"

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

    // Names of the parameter panels of a group box that the user can see.
    std::set<std::string> VisiblePanels(const char* group) {
        std::set<std::string> names;
        for (QWidget* child : Find(group)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = child->objectName();
            // Panel2 alone is the frame of the aperture picture, not a parameter panel.
            if ((name.startsWith("Panel2") || name.startsWith("Panel3")) && name.size() > 6) {
                if (child->isVisible()) {
                    names.insert(child->objectName().toStdString());
                }
            }
        }
        return names;
    }

    bool ApertureButtonEnabled() { return Find<QPushButton>("BitBtn7")->isEnabled(); }
};

TEST_F(ShapePanels, StartShowsTheParallelepipedAndNoAperture) {
    EXPECT_EQ(PictureOf("Image1"), "P001");
    EXPECT_EQ(PictureOf("Image2"), "ZERO");
    EXPECT_THAT(VisiblePanels("GroupBox1"), ElementsAre("Panel2parallelepiped"));
    EXPECT_THAT(VisiblePanels("GroupBox3"), IsEmpty());
    EXPECT_FALSE(ApertureButtonEnabled());
    EXPECT_TRUE(Find("BitBtn5")->isEnabled());
    EXPECT_EQ(TextOf("SpinEdit2"), "1");
    EXPECT_EQ(TextOf("SpinEdit1"), "1");
}

// Every object shape, chosen after the quantity was set to 7.
TEST_F(ShapePanels, EachObjectShapeShowsItsPictureAndPanelAndResetsTheQuantity) {
    for (const ShapeEntry& entry : ObjectShapes) {
        SCOPED_TRACE(std::string(entry.DisplayName));
        Type("SpinEdit2", "7");
        Choose("ComboBox2", std::string(entry.DisplayName).c_str());
        EXPECT_EQ(PictureOf("Image1"), Q(entry.Picture));
        EXPECT_THAT(VisiblePanels("GroupBox1"), ElementsAre(std::string(entry.Panel)));
        EXPECT_EQ(TextOf("SpinEdit2"), "1");
        for (const ShapeParameter& parameter : entry.Parameters) {
            EXPECT_TRUE(Find(std::string(parameter.ObjectField).c_str())->isVisible());
        }
    }
}

// Every aperture shape in turn, and "None" again at the end: the button goes off, the panels away.
TEST_F(ShapePanels, EachApertureShapeShowsItsPanelEnablesCalculationAndKeepsTheQuantity) {
    Type("SpinEdit1", "7");
    std::vector<ShapeEntry> order(ApertureShapes.begin() + 1, ApertureShapes.end());
    order.push_back(ApertureShapes.front());
    for (const ShapeEntry& entry : order) {
        SCOPED_TRACE(std::string(entry.DisplayName));
        Choose("ComboBox3", std::string(entry.DisplayName).c_str());
        EXPECT_EQ(PictureOf("Image2"), Q(entry.Picture));
        const bool none = entry.Panel.empty();
        EXPECT_EQ(VisiblePanels("GroupBox3"),
                  none ? std::set<std::string>{} : std::set{std::string(entry.Panel)});
        EXPECT_EQ(ApertureButtonEnabled(), !none);
        EXPECT_EQ(TextOf("SpinEdit1"), "7");
    }
}

TEST_F(ShapePanels, TypedTextSurvivesSwitchingToAnotherShapeAndBack) {
    Choose("ComboBox2", "Cylinder");
    Type("Edit6", "100");
    Choose("ComboBox2", "Sphere");
    Choose("ComboBox2", "Cylinder");
    EXPECT_EQ(TextOf("Edit6"), "100");
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
    Choose("ComboBox2", "Prism1");
    Type("Edit18", "3");
    Type("Edit19", "4");
    Type("Edit20", "10");
    HideCounter counter;
    Find("Panel2prism")->installEventFilter(&counter);
    Choose("ComboBox2", "Prism2");
    EXPECT_EQ(counter.Hides, 0);
    EXPECT_EQ(PictureOf("Image1"), "P004");
    EXPECT_THAT(VisiblePanels("GroupBox1"), ElementsAre("Panel2prism"));
    EXPECT_EQ(TextOf("Edit18"), "3");
    // Prism2 reads the fields typed for Prism1.
    Click("BitBtn5");
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_NE(TextOf("Edit42"), "");
}

TEST_F(ShapePanels, ShapeChangesLeaveTotalsAndUndo) {
    Type("Edit2", "1000");
    Type("Edit3", "1000");
    Type("Edit4", "1000");
    Click("BitBtn5");
    Choose("ComboBox2", "Angle");
    Choose("ComboBox3", "Pyramid");
    Choose("ComboBox3", "None");
    EXPECT_EQ(TextOf("Edit10"), "1.000");
    EXPECT_EQ(TextOf("Edit7"), "7850.000");
    EXPECT_TRUE(Find<QToolButton>("SpeedButton5")->isEnabled());
}

TEST_F(ShapePanels, ASelectionMadeByTheProgramRunsNoHandler) {
    Type("SpinEdit2", "7");
    Find<QComboBox>("ComboBox2")->setCurrentIndex(1);
    Find<QComboBox>("ComboBox3")->setCurrentIndex(7);
    EXPECT_THAT(VisiblePanels("GroupBox1"), ElementsAre("Panel2parallelepiped"));
    EXPECT_EQ(TextOf("SpinEdit2"), "7");
    EXPECT_FALSE(ApertureButtonEnabled());
}

TEST_F(ShapePanels, HiddenPanelsPlayNoPartInACalculation) {
    Type("Edit2", "abc"); // the parallelepiped's field, hidden below
    Choose("ComboBox2", "Sphere");
    Type("Edit21", "100");
    Click("BitBtn5");
    EXPECT_TRUE(Desktop.ErrorBoxes.empty());
    EXPECT_TRUE(Desktop.Messages.empty());
    EXPECT_EQ(TextOf("Edit42"), "0.001");
}

TEST_F(ShapePanels, ObjectAndApertureFieldsAreSeparate) {
    Choose("ComboBox2", "Cylinder");
    Choose("ComboBox3", "Cylinder");
    Type("Edit6", "100");
    Type("Edit12", "100");
    Click("BitBtn7"); // the aperture cylinder's own fields are empty
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(TextOf("Edit43"), "");
}

} // namespace
} // namespace volcalc::test
