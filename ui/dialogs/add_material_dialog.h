// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "materials/material_catalogue.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace volcalc::ui {

// The add-material dialog: asks for the name and the density of one new material.
class AddMaterialDialog : public QDialog {
    Q_OBJECT

public:
    explicit AddMaterialDialog(QWidget* parent = nullptr);

    // Empties both fields and runs the dialog modally: the material after OK, nothing after
    // Cancel or the close button.
    std::optional<Material> Ask();
    // What OK took the last time, until the next Ask.
    const std::optional<Material>& Answer() const { return m_answer; }

    // OK: takes the name as typed and the density by the integer density rule, then closes. A
    // name of blanks only is refused with a warning, and a density that cannot be read raises its
    // conversion error; either way the dialog stays open with what was typed.
    void okClicked();

    void setVisible(bool visible) override;

protected:
    // Neither button is default or cancel: Enter presses only the focused button, Esc nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_nameField;
    QLineEdit* m_densityField;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;

    std::optional<Material> m_answer;
    bool m_placed = false;
};

} // namespace volcalc::ui
