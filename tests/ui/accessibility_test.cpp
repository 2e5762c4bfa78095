// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as assistive technology sees them, through Qt's accessibility interface, and the
// program used with the keyboard alone.
#include "form_fixture.h"
#include "scripted_desktop.h"
#include "user_actions.h"

#include "calc/shapes.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/object_names.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace volcalc::test {
namespace {

namespace names = volcalc::ui::names;

using ::testing::HasSubstr;

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Str(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool Interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Button:
    case QAccessible::SpinBox:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

// A control as read out: its name, role, state and the grouping it lies in.
struct Node {
    QString Name;
    QString Description;
    QAccessible::Role Role;
    QAccessible::State State;
    QString Group;
    QObject* Object;
};

// The controls (and pictures) on screen under the interface, depth first. Hidden parts of the
// window are skipped, and so is what a control holds (the rows of a closed list).
void Walk(QAccessibleInterface* parent, const QString& group, std::vector<Node>& found) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        ASSERT_NE(child, nullptr);
        if (child->state().invisible) {
            continue;
        }
        const QAccessible::Role role = child->role();
        if (Interactive(role) || role == QAccessible::Graphic) {
            found.push_back({child->text(QAccessible::Name), child->text(QAccessible::Description), role,
                             child->state(), group, child->object()});
            continue;
        }
        Walk(child, role == QAccessible::Grouping ? child->text(QAccessible::Name) : group, found);
    }
}

std::vector<Node> WalkWindow(QWidget* window) {
    std::vector<Node> found;
    QAccessibleInterface* root = Accessible(window);
    EXPECT_NE(root, nullptr);
    if (root) {
        Walk(root, QString(), found);
    }
    return found;
}

std::map<QString, Node> ByObjectName(const std::vector<Node>& nodes) {
    std::map<QString, Node> named;
    for (const Node& node : nodes) {
        named.emplace(node.Object->objectName(), node);
    }
    return named;
}

// Every interactive control has a name, and no two in one grouping share it.
void ExpectNamedOnceInTheirGroup(const std::vector<Node>& nodes) {
    std::set<std::pair<QString, QString>> seen;
    for (const Node& node : nodes) {
        if (!Interactive(node.Role)) {
            continue;
        }
        SCOPED_TRACE(node.Object->objectName().toStdString());
        EXPECT_FALSE(node.Name.trimmed().isEmpty());
        EXPECT_TRUE(seen.emplace(node.Group, node.Name).second)
            << "\"" << node.Name.toStdString() << "\" twice in " << node.Group.toStdString();
    }
}

// Every visible control a mouse can reach is in the tree.
void ExpectEveryVisibleControlInTheTree(QWidget* window, const std::vector<Node>& nodes) {
    std::set<QObject*> inTree;
    for (const Node& node : nodes) {
        inTree.insert(node.Object);
    }
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget)) {
            controls << widget;
        }
    }
    for (QWidget* control : controls) {
        if (control->isVisibleTo(window)) {
            EXPECT_TRUE(inTree.count(control)) << control->objectName().toStdString();
        }
    }
}

enum Kind { Plain, ReadOnly };

struct Expected {
    const char* Object;
    const char* Name;
    QAccessible::Role Role;
    const char* Group;
    Kind Is = Plain;
};

// The main window at start: what each control is read out as, and where. A list is read out by
// its chosen entry; what it is for is its description.
const Expected MainWindow[] = {
    {names::UndoButton, "Undo", QAccessible::Button, ""},
    {names::ResetButton, "Reset", QAccessible::Button, ""},
    {names::AboutButton, "About", QAccessible::Button, ""},
    {names::HelpButton, "Help", QAccessible::Button, ""},
    {names::ExitButton, "Exit", QAccessible::Button, ""},
    {names::PartsListButton, "Parts list", QAccessible::Button, ""},
    {names::AddMaterialButton, "Addition of the material list", QAccessible::Button, "Material"},
    {names::MaterialList, "Steel", QAccessible::ComboBox, "Material"},
    {names::RemoveMaterialButton, "Removal of the material", QAccessible::Button, "Material"},
    {names::DensityField, "Density", QAccessible::EditableText, "Material", ReadOnly},
    {names::ObjectPicture, "Object picture: Parallelepiped", QAccessible::Graphic, "Object"},
    {names::ObjectShapeList, "Parallelepiped", QAccessible::ComboBox, "Object"},
    {names::ObjectUnitList, "millimeter", QAccessible::ComboBox, "Object"},
    {names::ObjectQuantity, "Object quantity", QAccessible::SpinBox, "Object"},
    {names::ObjectCalculateButton, "Click for calculate this object", QAccessible::Button, "Object"},
    {names::Field(CalcGroup::Object, "Parallelepiped", "a"), "Object Length (a)", QAccessible::EditableText,
     "Object"},
    {names::Field(CalcGroup::Object, "Parallelepiped", "b"), "Object Width (b)", QAccessible::EditableText,
     "Object"},
    {names::Field(CalcGroup::Object, "Parallelepiped", "c"), "Object Thickness (c)",
     QAccessible::EditableText, "Object"},
    {names::AperturePicture, "Aperture picture: None", QAccessible::Graphic, "Aperture"},
    {names::ApertureShapeList, "None", QAccessible::ComboBox, "Aperture"},
    {names::ApertureUnitList, "millimeter", QAccessible::ComboBox, "Aperture"},
    {names::ApertureQuantity, "Aperture quantity", QAccessible::SpinBox, "Aperture"},
    {names::ApertureCalculateButton, "Click for calculate this aperture", QAccessible::Button, "Aperture"},
    {names::TotalVolumeField, "Total volume, cubic meter", QAccessible::EditableText, "Volume", ReadOnly},
    {names::VolumeUnitList, "meter", QAccessible::ComboBox, "Volume"},
    {names::ObjectVolumeField, "Object volume, cubic meter", QAccessible::EditableText, "Volume", ReadOnly},
    {names::ApertureVolumeField, "Aperture volume, cubic meter", QAccessible::EditableText, "Volume",
     ReadOnly},
    {names::TotalMassField, "Total mass, kilogram", QAccessible::EditableText, "Mass", ReadOnly},
    {names::MassUnitList, "kilogram", QAccessible::ComboBox, "Mass"},
    {names::ObjectMassField, "Object mass, kilogram", QAccessible::EditableText, "Mass", ReadOnly},
    {names::ApertureMassField, "Aperture mass, kilogram", QAccessible::EditableText, "Mass", ReadOnly},
};

// The controls of the window on screen, each named once in its grouping and none left out.
std::vector<Node> WalkAndCheck(QWidget* window) {
    const std::vector<Node> nodes = WalkWindow(window);
    ExpectNamedOnceInTheirGroup(nodes);
    ExpectEveryVisibleControlInTheTree(window, nodes);
    return nodes;
}

// The controls in the table are read out as it says; with Whole, the tree holds no others.
enum Coverage { Some, Whole };

void ExpectReadOutAs(const std::vector<Node>& nodes, const std::vector<Expected>& table, Coverage coverage) {
    const std::map<QString, Node> named = ByObjectName(nodes);
    for (const Expected& row : table) {
        SCOPED_TRACE(row.Object);
        const auto found = named.find(QString::fromLatin1(row.Object));
        ASSERT_NE(found, named.end()) << "not in the accessibility tree";
        const Node& node = found->second;
        EXPECT_EQ(node.Name, row.Name);
        EXPECT_EQ(node.Role, row.Role);
        EXPECT_EQ(node.Group, row.Group);
        if (row.Role == QAccessible::EditableText) {
            EXPECT_EQ(bool(node.State.readOnly), row.Is == ReadOnly);
        }
    }
    if (coverage == Whole) {
        EXPECT_EQ(nodes.size(), table.size()) << "controls in the tree that the table does not know";
    }
}

class Accessibility : public FormFixture {
protected:
    QAccessibleInterface* Of(const char* name) { return Accessible(Find(name)); }
    QString NameOf(const char* name) { return Of(name)->text(QAccessible::Name); }
    QString DescriptionOf(const char* name) { return Of(name)->text(QAccessible::Description); }
    QString ValueOf(const char* name) { return Of(name)->text(QAccessible::Value); }
};

TEST_F(Accessibility, EveryControlIsReadOutByWhatStandsBesideIt) {
    ExpectReadOutAs(WalkAndCheck(&Form()), {std::begin(MainWindow), std::end(MainWindow)}, Whole);
}

// The standard section panel: its lists read out by their chosen entries with what they are for,
// its length field named as the other panels' fields, its figures read-only, its picture the family's.
TEST_F(Accessibility, TheStandardSectionPanelIsReadOutAsTheOtherPanels) {
    Choose(names::ObjectShapeList, "Standard section");
    Choose(names::section::FamilyList, "UPN");
    const std::vector<Node> nodes = WalkAndCheck(&Form());
    ExpectReadOutAs(
        nodes,
        {
            {names::ObjectShapeList, "Standard section", QAccessible::ComboBox, "Object"},
            {names::section::FamilyList, "UPN", QAccessible::ComboBox, "Object"},
            {names::section::SizeList, "UPN 50", QAccessible::ComboBox, "Object"},
            {names::section::LengthField, "Object Length", QAccessible::EditableText, "Object"},
            {names::section::AreaField, "Section area", QAccessible::EditableText, "Object", ReadOnly},
            {names::section::MassPerMetreField, "Mass per metre", QAccessible::EditableText, "Object",
             ReadOnly},
            {names::section::SurfacePerMetreField, "Surface per metre", QAccessible::EditableText, "Object",
             ReadOnly},
            {names::ObjectPicture, "Object picture: Standard section UPN", QAccessible::Graphic, "Object"},
        },
        Some);
    EXPECT_EQ(DescriptionOf(names::section::FamilyList), "Object section family");
    EXPECT_EQ(DescriptionOf(names::section::SizeList), "Object section size");
    EXPECT_THAT(ByObjectName(nodes).at(names::ObjectPicture).Description.toStdString(),
                HasSubstr("taper by 8 percent"));
}

// Each shape's own fields are named by their group and label and say what they measure on the
// picture, which itself describes the solid; names stay unique whichever panels are shown.
TEST_F(Accessibility, EveryShapeNamesItsFieldsAndDescribesItsPicture) {
    const auto objects = ShapesOf(CalcGroup::Object);
    const auto apertures = ShapesOf(CalcGroup::Aperture);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const ShapeEntry& object = objects[i];
        const ShapeEntry& aperture = apertures[(i + 1) % apertures.size()];
        Choose(names::ObjectShapeList, std::string(object.DisplayName).c_str());
        Choose(names::ApertureShapeList, std::string(aperture.DisplayName).c_str());
        const std::map<QString, Node> named = ByObjectName(WalkAndCheck(&Form()));
        const std::pair<CalcGroup, const ShapeEntry*> shown[] = {{CalcGroup::Object, &object},
                                                                 {CalcGroup::Aperture, &aperture}};
        for (const auto& [group, entry] : shown) {
            const QString word = group == CalcGroup::Object ? "Object" : "Aperture";
            SCOPED_TRACE((word + " " + Str(entry->DisplayName)).toStdString());
            const Node& picture =
                named.at(group == CalcGroup::Object ? names::ObjectPicture : names::AperturePicture);
            EXPECT_EQ(picture.Name, word + " picture: " + Str(entry->DisplayName));
            EXPECT_THAT(picture.Description.toStdString(),
                        HasSubstr(std::string(entry->Description.substr(1))));
            for (const ShapeParameter& parameter : entry->Parameters) {
                const QString field =
                    QString::fromLatin1(names::Field(group, entry->DisplayName, parameter.Letter));
                ASSERT_TRUE(named.count(field)) << field.toStdString() << " not on screen";
                const Node& node = named.at(field);
                QString label = Str(parameter.Label);
                label.chop(2); // " ="
                EXPECT_EQ(node.Name, word + " " + label);
                EXPECT_EQ(node.Description, Str(parameter.Description));
                EXPECT_EQ(node.Group, word);
                if (parameter.Letter != "Length") {
                    EXPECT_THAT(
                        picture.Description.toStdString(),
                        HasSubstr(std::string(parameter.Letter) + ": " + std::string(parameter.Description)));
                }
            }
        }
    }
}

TEST_F(Accessibility, QuantityReadsAsASpinBoxWithItsLimits) {
    QAccessibleInterface* spin = Of(names::ObjectQuantity);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->childCount(), 0) << "the arrows are for the mouse";
    QAccessibleValueInterface* value = spin->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 1);
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 1000);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);
    value->setCurrentValue(5000);
    EXPECT_EQ(TextOf(names::ObjectQuantity), "1000") << "set from outside, clamped";

    Find(names::ObjectQuantity)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Find(names::ObjectQuantity), Qt::Key_Down);
    EXPECT_EQ(spin->text(QAccessible::Value), "999");
    QAccessibleTextInterface* text = spin->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), "999");
    QAccessibleEditableTextInterface* editable = spin->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(0, 3, "12");
    EXPECT_EQ(value->currentValue().toInt(), 12);
}

// Fields are reached with Tab and Shift+Tab, lists are set with the arrow keys and by typing,
// and the calculate buttons are pressed with Space and with Enter.
class KeyboardOnly : public Accessibility {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }
    void Tab(int times = 1) {
        for (int i = 0; i < times; ++i) {
            Key(Qt::Key_Tab);
        }
    }
    void BackTab(int times = 1) {
        for (int i = 0; i < times; ++i) {
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
        }
    }
    void Typed(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }
    // What a screen reader says the focused control is: a list's name is its chosen entry, so
    // for a list, its description.
    QString Focused() {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) {
            return {};
        }
        QAccessibleInterface* control = Accessible(focus);
        return control->text(control->role() == QAccessible::ComboBox ? QAccessible::Description
                                                                      : QAccessible::Name);
    }
};

TEST_F(KeyboardOnly, WholeCalculationWithoutTheMouse) {
    if (!QApplication::focusWidget()) {
        QTest::keyClick(&Form(), Qt::Key_Tab);
    }
    ASSERT_EQ(Focused(), "Object shape");
    Typed("C"); // the first shape after the selected one that starts with C
    EXPECT_EQ(ValueOf(names::ObjectShapeList), "Cylinder");
    EXPECT_EQ(NameOf(names::ObjectPicture), "Object picture: Cylinder");
    Tab(2);
    ASSERT_EQ(Focused(), "Object quantity");
    Typed("2"); // Tab selected the whole text
    Tab();
    ASSERT_EQ(Focused(), "Object length unit");
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(ValueOf(names::ObjectUnitList), "meter");
    Tab();
    ASSERT_EQ(Focused(), "Object Diameter (a)");
    Typed("0.5");
    Tab();
    ASSERT_EQ(Focused(), "Object Length (b)");
    Typed("2");
    BackTab(4);
    ASSERT_EQ(Focused(), "Click for calculate this object");
    Key(Qt::Key_Space);
    // 2 pieces of pi x 0.25^2 x 2 cubic metres of steel, 7850 kg each.
    EXPECT_EQ(ValueOf(names::ObjectVolumeField), "0.785");
    EXPECT_EQ(ValueOf(names::ObjectMassField), "6165.400");

    // The aperture: a cone of diameter 1 m and height 0.3 m, with Enter on its button.
    Tab(5);
    ASSERT_EQ(Focused(), "Aperture shape");
    Key(Qt::Key_End); // Pyramid
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(ValueOf(names::ApertureShapeList), "Cone");
    Tab(3);
    ASSERT_EQ(Focused(), "Aperture length unit");
    Key(Qt::Key_End); // yard
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(ValueOf(names::ApertureUnitList), "meter");
    Tab();
    ASSERT_EQ(Focused(), "Aperture Diameter (a)");
    Typed("1");
    Tab();
    ASSERT_EQ(Focused(), "Aperture Height (b)");
    Typed("0.3");
    BackTab(3);
    ASSERT_EQ(Focused(), "Click for calculate this aperture");
    Key(Qt::Key_Return);
    // pi x 0.5^2 x 0.3 / 3 = 0.0785 cubic metres less.
    EXPECT_EQ(ValueOf(names::ApertureVolumeField), "0.079");
    EXPECT_EQ(ValueOf(names::TotalVolumeField), "0.707");

    // On to the totals, shown in cubic millimetres.
    Tab(4);
    ASSERT_EQ(Focused(), "Material");
    Tab(3);
    ASSERT_EQ(Focused(), "Volume unit");
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(ValueOf(names::VolumeUnitList), "millimeter");
    EXPECT_EQ(ValueOf(names::ObjectVolumeField), "7.854E8");
}

struct PressKey {
    const char* Button;
    QKeyCombination Key;
};

// Every button out of the Tab order has a key; the key works while a field is being edited and
// leaves the focus in it.
const PressKey PressKeys[] = {
    {names::UndoButton, Qt::ALT | Qt::Key_U},           {names::ResetButton, Qt::ALT | Qt::Key_R},
    {names::AboutButton, Qt::ALT | Qt::Key_A},          {names::HelpButton, Qt::Key_F1},
    {names::HelpButton, Qt::ALT | Qt::Key_H},           {names::AddMaterialButton, Qt::ALT | Qt::Key_N},
    {names::RemoveMaterialButton, Qt::ALT | Qt::Key_D}, {names::ExitButton, Qt::ALT | Qt::Key_X},
};

TEST_F(KeyboardOnly, ButtonsOutOfTheTabOrderHaveKeys) {
    QFile(QString::fromStdString((Folder() / "index.html").string())).open(QIODevice::WriteOnly);
    Dialogs.AddAnswer = false;
    Dialogs.ConfirmAnswer = false;
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "a"), "2");
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "b"), "3");
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "c"), "4");
    Click(names::ObjectCalculateButton); // Undo becomes possible
    Find(names::Field(CalcGroup::Object, "Parallelepiped", "b"))->setFocus(Qt::TabFocusReason);
    for (const PressKey& row : PressKeys) {
        SCOPED_TRACE(row.Button);
        auto* button = Find<QAbstractButton>(row.Button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        Key(row.Key.key(), row.Key.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&pressed] { return pressed.count() == 1; }));
        const QString key = QKeySequence(row.Key).toString(QKeySequence::NativeText);
        EXPECT_THAT(DescriptionOf(row.Button).toStdString(), HasSubstr(key.toStdString()));
        if (Form().isVisible()) {
            EXPECT_EQ(QApplication::focusWidget(),
                      Find(names::Field(CalcGroup::Object, "Parallelepiped", "b")));
        }
    }
    EXPECT_FALSE(Form().isVisible()) << "Alt+X closes the window";
    ASSERT_EQ(Desktop.ShellRequests.size(), 2u); // F1 and Alt+H
    EXPECT_THAT(Desktop.ShellRequests[0].Target.toStdString(), ::testing::EndsWith("index.html"));
    EXPECT_THAT(Dialogs.Events, ::testing::Contains("add-dialog"));
}

TEST_F(KeyboardOnly, EnterOnACalculateButtonWithAnEmptyFieldWarnsOnce) {
    Find(names::ObjectCalculateButton)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    Key(Qt::Key_Return, Qt::ControlModifier); // not a plain Enter
    EXPECT_EQ(Desktop.Messages.size(), 1u);
}

// The dialogs, read out and used with the keyboard.
class DialogWindows : public ::testing::Test {
protected:
    ScriptedDesktop Shell;
};

TEST_F(DialogWindows, AddMaterialFieldsAreNamedByTheirLabels) {
    ui::AddMaterialDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    namespace dialogNames = names::add_material;
    ExpectReadOutAs(WalkAndCheck(&dialog),
                    {{dialogNames::NameField, "Material name", QAccessible::EditableText, ""},
                     {dialogNames::DensityField, "Density", QAccessible::EditableText, ""},
                     {dialogNames::OkButton, "OK", QAccessible::Button, ""},
                     {dialogNames::CancelButton, "Cancel", QAccessible::Button, ""}},
                    Whole);
    EXPECT_EQ(Accessible(&dialog)->text(QAccessible::Name), "Addition of the material list");
    EXPECT_THAT(Accessible(dialog.findChild<QWidget*>(dialogNames::DensityField))
                    ->text(QAccessible::Description)
                    .toStdString(),
                HasSubstr("Integer"));
    dialog.hide();
}

struct LinkRow {
    const char* Label;
    const char* Name;
    QKeyCombination Key;
    const char* Target;
};

const LinkRow Links[] = {
    {names::about::HomePageLink, "https://orlisk.example/volume-calculator", Qt::ALT | Qt::Key_H,
     "https://orlisk.example/volume-calculator"},
    {names::about::MailLink, "support@orlisk.example", Qt::ALT | Qt::Key_E,
     "mailto:support@orlisk.example?subject=Information request"},
    {names::about::VoteLink, "Send vote about program", Qt::ALT | Qt::Key_V,
     "mailto:support@orlisk.example?subject=Vote about Orlisk Volume Calculator&body=Hi!"},
};

TEST_F(DialogWindows, AboutBoxLinksAreLinksThatAKeyOrTheirActionOpens) {
    ui::AboutBox box;
    box.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QWidget* ok = box.findChild<QWidget*>(names::about::OkButton);
    ASSERT_EQ(QApplication::focusWidget(), ok);
    const std::map<QString, Node> named = ByObjectName(WalkAndCheck(&box));
    EXPECT_EQ(named.at(names::about::OkButton).Role, QAccessible::Button);
    EXPECT_TRUE(Accessible(ok)->state().defaultButton);
    EXPECT_EQ(named.at(names::about::ProgramPicture).Role, QAccessible::Graphic);

    for (const LinkRow& row : Links) {
        SCOPED_TRACE(row.Label);
        QAccessibleInterface* link = Accessible(box.findChild<QWidget*>(row.Label));
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), row.Name);
        const QString key = QKeySequence(row.Key).toString(QKeySequence::NativeText);
        EXPECT_THAT(link->text(QAccessible::Description).toStdString(), HasSubstr(key.toStdString()));
        QAccessibleActionInterface* actions = link->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{key});

        Shell.ShellRequests.clear();
        QTest::keyClick(QApplication::focusWidget(), row.Key.key(), row.Key.keyboardModifiers());
        actions->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(Shell.ShellRequests.size(), 2u);
        EXPECT_EQ(Shell.ShellRequests[0].Target, row.Target);
        EXPECT_EQ(Shell.ShellRequests[1].Target, row.Target);
        EXPECT_EQ(QApplication::focusWidget(), ok) << "the links stay out of the keyboard order";
        EXPECT_TRUE(box.isVisible());
    }
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
}

struct MessageRow {
    ui::MessageKind Type;
    ui::MessageButtons Buttons;
    const char* Caption;
};

TEST_F(DialogWindows, MessageBoxesAreReadOutWithTheirText) {
    const QString text = "Not all parameters are given!";
    const MessageRow rows[] = {{ui::MessageKind::Warning, ui::OkButton, "Warning"},
                               {ui::MessageKind::Confirmation, ui::YesButton | ui::NoButton, "Confirm"},
                               {ui::MessageKind::Error, ui::YesButton, "Error"}};
    for (const MessageRow& row : rows) {
        SCOPED_TRACE(row.Caption);
        ui::MessageDialog dialog = ui::BuildMessageDialog(text, row.Type, row.Buttons);
        QAccessibleInterface* box = Accessible(dialog.Box.get());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(QAccessible::Name), row.Caption);
        EXPECT_EQ(box->text(QAccessible::Description), text);
    }
    const std::unique_ptr<QMessageBox> error = ui::BuildErrorBox("'x' is not a valid floating point value.");
    QAccessibleInterface* box = Accessible(error.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), "Orlisk Volume Calculator");
    EXPECT_EQ(box->text(QAccessible::Description), "'x' is not a valid floating point value.");
}

} // namespace
} // namespace volcalc::test
