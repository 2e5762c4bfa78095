// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace volcalc::ui {

// Puts the regional separator in force for reading and writing numbers.
void ReadRegionalSeparator();

// Reads the separator again whenever the application announces a change of the regional
// settings. Texts already shown keep their separator until they are next written.
class RegionalSeparatorWatcher : public QObject {
public:
    explicit RegionalSeparatorWatcher(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace volcalc::ui
