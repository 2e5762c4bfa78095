// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/quantity.h"

#include <QLineEdit>

#include <cstdint>

namespace volcalc::ui {

class ArrowButton;

// An integer spin field: a text field with up and down arrow buttons at its right edge. The text
// is its only state; Value reads it by the quantity rules and writing Value clamps.
class QuantitySpinBox : public QLineEdit {
public:
    explicit QuantitySpinBox(QWidget* parent);

    std::int32_t MinValue() const { return m_rules.MinValue; }
    std::int32_t MaxValue() const { return m_rules.MaxValue; }
    std::int32_t Increment() const { return m_rules.Increment; }
    void SetMinValue(std::int32_t value) { m_rules.MinValue = value; }
    void SetMaxValue(std::int32_t value) { m_rules.MaxValue = value; }
    void SetIncrement(std::int32_t value) { m_rules.Increment = value; }

    // The text read as a whole number, not clamped; a text that is none reads as MinValue.
    std::int32_t Value() const;
    // Writes the clamped value as the text.
    void SetValue(std::int64_t value);

    // Whether the text may be typed, pasted and cut; the arrows work either way.
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled);

    void StepUp();
    void StepDown();

    ArrowButton* UpButton() const { return m_up; }
    ArrowButton* DownButton() const { return m_down; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool AcceptsTypedText(const QString& text) const;
    void SetRuleText(const std::string& text);

    QuantityRules m_rules;
    bool m_editorEnabled = true;
    ArrowButton* m_up;
    ArrowButton* m_down;
};

} // namespace volcalc::ui
