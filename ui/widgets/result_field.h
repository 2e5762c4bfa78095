// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace volcalc::ui {

// A read-only result field: no border line, a soft sunken bevel, empty until a result is written.
class ResultField : public QLineEdit {
public:
    explicit ResultField(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace volcalc::ui
