// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/accessibility.h"

#include "ui/text.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/quantity_spin_box.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QShortcut>
#include <QStringList>

namespace volcalc::ui {
namespace {

QString Sentence(std::string_view text) {
    QString sentence = Text(text);
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    return sentence + QLatin1Char('.');
}

QString WithKeys(const QString& description, const QString& keys) {
    return description.isEmpty() ? keys : description + QStringLiteral(" (") + keys + QLatin1Char(')');
}

// A spin field read as a spin box: its text is the value, the quantity rules give its limits, and
// a value set from outside is clamped as one typed and confirmed. The arrow buttons are for the
// mouse; the Up and Down keys and the value stand in for them, so they are left out of the tree.
class SpinEditAccessible : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit SpinEditAccessible(QuantitySpinBox* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? Spin()->text() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Spin()->isReadOnly();
        state.readOnly = Spin()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // QAccessibleValueInterface
    QVariant currentValue() const override { return Spin()->Value(); }
    void setCurrentValue(const QVariant& value) override { Spin()->SetValue(value.toLongLong()); }
    QVariant maximumValue() const override { return Spin()->MaxValue(); }
    QVariant minimumValue() const override { return Spin()->MinValue(); }
    QVariant minimumStepSize() const override { return Spin()->Increment(); }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && Spin()->hasSelectedText()) {
            *start = Spin()->selectionStart();
            *end = *start + Spin()->selectionLength();
        }
    }
    int selectionCount() const override { return Spin()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            Spin()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            Spin()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return Spin()->cursorPosition(); }
    void setCursorPosition(int position) override { Spin()->setCursorPosition(position); }
    QString text(int start, int end) const override { return Spin()->text().mid(start, end - start); }
    int characterCount() const override { return int(Spin()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint& point) const override {
        return Spin()->cursorPositionAt(Spin()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { Spin()->setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (!Spin()->isReadOnly()) {
            Spin()->setText(Spin()->text().replace(start, end - start, text));
        }
    }

private:
    QuantitySpinBox* Spin() const { return static_cast<QuantitySpinBox*>(widget()); }
};

// A link label read as a link whose press action does what a click does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Link()->text().trimmed();
        }
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Link()->Activate();
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction() || Link()->PressKey().isEmpty()) {
            return {};
        }
        return {Link()->PressKey().toString(QKeySequence::NativeText)};
    }

private:
    LinkLabel* Link() const { return static_cast<LinkLabel*>(widget()); }
};

// A pick-only list read out by its chosen entry, as this desktop's screen readers expect; what
// the list is for is its description and the label that names it.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return List()->currentText();
        }
        if (type == QAccessible::Name) {
            // An empty list (an empty catalogue) is still named, by what it is for.
            const QString chosen = List()->currentText();
            return chosen.isEmpty() ? List()->accessibleDescription() : chosen;
        }
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = true;
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        state.collapsed = !state.expanded;
        state.readOnly = true;
        return state;
    }

    // The open list, whose rows are read out as the user moves through them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (List()->view()->isVisible()) {
            List()->hidePopup();
        } else {
            List()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // QAccessibleTextInterface: the chosen entry, read-only.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return List()->currentText().mid(start, end - start); }
    int characterCount() const override { return int(List()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

// A window of the program's own, a plain widget made a window, read as a frame as the desktop's
// other application windows are; a dialog and a main window have their own interfaces.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Asked once for each widget, whose answer is kept. A form layout makes the label of a row
// without a parent and places it later, so a label without a parent is no window: taken for one,
// it would be read as a nameless frame in its dialog, with its text lost.
bool IsPlainWindow(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->windowType() == Qt::Window && !qobject_cast<QDialog*>(widget) &&
           !qobject_cast<QMainWindow*>(widget) && !qobject_cast<QLabel*>(widget);
}

// A part of a label that another label reads out whole: kept out of what is read.
constexpr char ReadWithAnother[] = "volcalcReadWithAnotherLabel";

class UnreadAccessible : public QAccessibleWidget {
public:
    explicit UnreadAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* ProgramControls(const QString&, QObject* object) {
    if (IsPlainWindow(object)) {
        return new FrameAccessible(static_cast<QWidget*>(object));
    }
    if (object->isWidgetType() && object->property(ReadWithAnother).toBool()) {
        return new UnreadAccessible(static_cast<QWidget*>(object));
    }
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->isEditable()) {
        return new ListAccessible(list);
    }
    if (auto* spin = dynamic_cast<QuantitySpinBox*>(object)) {
        return new SpinEditAccessible(spin);
    }
    if (auto* link = qobject_cast<LinkLabel*>(object)) {
        return new LinkAccessible(link);
    }
    return nullptr;
}

// Presses its button on Enter or Return, keypad or not, with no other modifier held.
class EnterPresses : public QObject {
public:
    explicit EnterPresses(QAbstractButton* button) : QObject(button), m_button(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_button || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || held != Qt::NoModifier) {
            return false;
        }
        if (m_button->isEnabled()) {
            m_button->click();
        }
        return true;
    }

private:
    QAbstractButton* m_button;
};

} // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&ProgramControls);
        return true;
    }();
    (void)installed;
}

void SetAccessibleText(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void SetPressKeys(QAbstractButton* button, const QList<QKeySequence>& keys) {
    // A window shortcut owned by the button: it is dead while the button is hidden or disabled.
    auto* shortcut = new QShortcut(button);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] { button->animateClick(); });
    QStringList names;
    for (const QKeySequence& key : keys) {
        names << key.toString(QKeySequence::NativeText);
    }
    button->setAccessibleDescription(
        WithKeys(button->accessibleDescription(), names.join(QStringLiteral(", "))));
}

void SetPressKey(LinkLabel* link, const QKeySequence& key) {
    link->SetPressKey(key);
    link->setAccessibleDescription(
        WithKeys(link->accessibleDescription(), key.toString(QKeySequence::NativeText)));
}

void PressOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterPresses(button));
}

void NameWithUnit(QWidget* field, const QString& name, QComboBox* units, const QString& unitPrefix) {
    const auto named = [field, name, units, unitPrefix] {
        field->setAccessibleName(name + QStringLiteral(", ") + unitPrefix + units->currentText());
    };
    named();
    QObject::connect(units, &QComboBox::currentTextChanged, field, named);
}

void ReadUnitAsWords(QLabel* label, const QString& words, const QList<QWidget*>& restOfIt) {
    label->setAccessibleName(words);
    for (QWidget* part : restOfIt) {
        part->setProperty(ReadWithAnother, true);
        // Setting its text has already made the label's interface: made again, it is left out.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(part)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

QString GroupCaption(CalcGroup group) {
    return group == CalcGroup::Object ? QStringLiteral("Object") : QStringLiteral("Aperture");
}

QString PictureName(CalcGroup group, const ShapeEntry& entry) {
    return GroupCaption(group) + QStringLiteral(" picture: ") + Text(entry.DisplayName);
}

QString PictureDescription(const ShapeEntry& entry) {
    QString description = Sentence(entry.Description);
    for (const ShapeParameter& parameter : entry.Parameters) {
        // The length of a long profile is not drawn; its field says what it is.
        if (parameter.Letter.size() == 1) {
            description += QLatin1Char(' ') + Text(parameter.Letter) + QStringLiteral(": ") +
                           Text(parameter.Description) + QLatin1Char('.');
        }
    }
    return description;
}

QString ParameterName(CalcGroup group, const ShapeParameter& parameter) {
    return GroupCaption(group) + QLatin1Char(' ') + Text(LabelCaption(parameter));
}

} // namespace volcalc::ui
