// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace volcalc::ui {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen =
        window.parentWidget() != nullptr ? window.parentWidget()->screen() : window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        window.move(area.left() + (area.width() - window.width()) / 2,
                    area.top() + (area.height() - window.height()) / 2);
    }
}

} // namespace volcalc::ui
