// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

namespace volcalc::ui {

// A group box drawn as the form was designed: an etched frame whose top line runs through the
// middle of the caption, the caption at 8 pixels from the left on the group's own colour.
class GroupFrame : public QGroupBox {
public:
    GroupFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace volcalc::ui
