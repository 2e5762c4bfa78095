// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/decimal_separator.h"

#include "calc/number_text.h"
#include "calc/regional_separator.h"

#include <QCoreApplication>
#include <QEvent>

namespace volcalc::ui {

void ReadRegionalSeparator() {
    SetDecimalSeparator(RegionalDecimalSeparator());
}

RegionalSeparatorWatcher::RegionalSeparatorWatcher(QObject* parent) : QObject(parent) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

bool RegionalSeparatorWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance()) {
        ReadRegionalSeparator();
    }
    return false;
}

} // namespace volcalc::ui
