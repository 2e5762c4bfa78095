// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

namespace volcalc::ui {

// The program's own settings file, shared by the windows that remember something.
QSettings ProgramSettings();

// The Order dialog's fields, which a job also carries.
inline const QString OrderStocksKey = QStringLiteral("Order/StockLengths");
inline const QString OrderKerfKey = QStringLiteral("Order/Kerf");

} // namespace volcalc::ui
