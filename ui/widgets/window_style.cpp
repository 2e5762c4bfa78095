// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/window_style.h"

#include "ui/desktop/app_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace volcalc::ui {
namespace {

constexpr int ComboFrame = 2;
constexpr int ComboArrowWidth = 16;

} // namespace

// Fusion everywhere: the layout is fixed in pixels, and another desktop style would move things.
WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                  const QWidget* widget) const {
    if (control == CC_ComboBox && (part == SC_ComboBoxArrow || part == SC_ComboBoxEditField)) {
        const QRect box = option->rect;
        const int inner = box.height() - 2 * ComboFrame;
        const QRect arrow(box.right() - ComboFrame - ComboArrowWidth + 1, box.top() + ComboFrame,
                          ComboArrowWidth, inner);
        if (part == SC_ComboBoxArrow) {
            return visualRect(option->direction, box, arrow);
        }
        const QRect field(box.left() + ComboFrame + 1, box.top() + ComboFrame,
                          arrow.left() - box.left() - ComboFrame - 2, inner);
        return visualRect(option->direction, box, field);
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void InstallWindowStyle() {
    // The application owns the style from here on.
    QApplication::setStyle(new WindowStyle);
    // Every window, message boxes included, uses the window font; no other face is loaded for them.
    QApplication::setFont(WindowFont());
}

} // namespace volcalc::ui
