// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace volcalc::ui {

// A pick-only drop-down list that does not make its list of entries before it is first shown.
// Qt's combo box makes that list, and lays out every entry, at each change of its font; the
// window sets the fonts of its lists while building them, so at start it would build and lay out
// lists nobody has opened. A list made later is a child of the box and takes its font then.
class PickList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_shown = false;
};

} // namespace volcalc::ui
