// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace volcalc::ui {

// The desktop style with the narrow drop-down arrow the form was drawn for, so that the unit
// lists, 73 pixels wide, show their longest name whole.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// Makes the window style and the window font the application's; run once after the application
// exists.
void InstallWindowStyle();

} // namespace volcalc::ui
