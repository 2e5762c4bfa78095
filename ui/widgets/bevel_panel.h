// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace volcalc::ui {

// A panel with an outer and an inner bevel of one pixel each, filled with its window colour.
class BevelPanel : public QWidget {
public:
    enum class Bevel { None, Raised, Lowered };

    BevelPanel(QWidget* parent, Bevel outer, Bevel inner);

    // Room taken by the bevels on each side; children start inside it.
    int BevelWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel m_outer;
    Bevel m_inner;
};

} // namespace volcalc::ui
