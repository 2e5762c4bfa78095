// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/quantity_spin_box.h"

#include "ui/desktop/desktop_services.h"
#include "ui/widgets/arrow_button.h"

#include <QKeyEvent>

namespace volcalc::ui {
namespace {

constexpr int ArrowWidth = 15;

} // namespace

QuantitySpinBox::QuantitySpinBox(QWidget* parent)
    : QLineEdit(parent), m_up(new ArrowButton(this, Qt::UpArrow)),
      m_down(new ArrowButton(this, Qt::DownArrow)) {
    setText(QStringLiteral("1"));
    // The text must not run under the arrow buttons.
    setTextMargins(0, 0, ArrowWidth, 0);
    for (ArrowButton* button : {m_up, m_down}) {
        button->OnPress([this] {
            if (!hasFocus()) {
                setFocus(Qt::MouseFocusReason);
            }
        });
    }
    m_up->OnStep([this] { StepUp(); });
    m_down->OnStep([this] { StepDown(); });
}

std::int32_t QuantitySpinBox::Value() const {
    return m_rules.Read(text().toStdString());
}

void QuantitySpinBox::SetValue(std::int64_t value) {
    SetRuleText(m_rules.Write(value));
}

void QuantitySpinBox::SetEditorEnabled(bool enabled) {
    m_editorEnabled = enabled;
    setReadOnly(!enabled);
}

void QuantitySpinBox::StepUp() {
    SetRuleText(m_rules.StepUp(text().toStdString()));
}

void QuantitySpinBox::StepDown() {
    SetRuleText(m_rules.StepDown(text().toStdString()));
}

void QuantitySpinBox::SetRuleText(const std::string& text) {
    setText(QString::fromStdString(text));
}

bool QuantitySpinBox::AcceptsTypedText(const QString& text) const {
    for (const char32_t key : text.toUcs4()) {
        if (!m_rules.AcceptsKey(key)) {
            return false;
        }
        // A field that may not be edited takes only control keys, and not those that delete.
        if (!m_editorEnabled && (key >= 0x20 || key == 0x08)) {
            return false;
        }
    }
    return true;
}

void QuantitySpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->key() == Qt::Key_Up ? StepUp() : StepDown();
        return;
    }
    // With Ctrl held a key types a control character (Ctrl+V is 0x16), which is let through.
    const bool control =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (!control && !event->text().isEmpty() && !AcceptsTypedText(event->text())) {
        Desktop().Beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void QuantitySpinBox::focusOutEvent(QFocusEvent* event) {
    // Only a move of the focus to another control leaves the field; a pop-up menu or another
    // window taking the activation does not.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        const std::string current = text().toStdString();
        const std::string left = m_rules.Leave(current);
        if (left != current) {
            SetRuleText(left);
        }
    }
    QLineEdit::focusOutEvent(event);
}

void QuantitySpinBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    // Both buttons sit inside the field's frame, one above the other.
    const int frame = hasFrame() ? 2 : 0;
    const int inner = height() - 2 * frame;
    const int upHeight = inner / 2;
    const int left = width() - frame - ArrowWidth;
    m_up->setGeometry(left, frame, ArrowWidth, upHeight);
    m_down->setGeometry(left, frame + upHeight, ArrowWidth, inner - upHeight);
}

} // namespace volcalc::ui
