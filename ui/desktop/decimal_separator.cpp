// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/decimal_separator.h"

#include "calc/number_text.h"

#include <QCoreApplication>
#include <QEvent>

#include <langinfo.h>
#include <locale.h>

namespace volcalc::ui {

char RegionalDecimalSeparator() {
    // A locale object of its own: the process-wide C locale stays "C", so nothing else that
    // reads or prints numbers changes behaviour.
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", locale_t(nullptr));
    if (numeric == locale_t(nullptr)) {
        return '.';
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, numeric);
    // A separator outside ASCII cannot be typed as one key nor held as one char: "." stands in.
    const unsigned char first = radix ? static_cast<unsigned char>(radix[0]) : 0;
    const char separator = (first > 0x20 && first < 0x7F) ? static_cast<char>(first) : '.';
    freelocale(numeric);
    return separator;
}

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
