// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/program_settings.h"

namespace volcalc::ui {

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("orlisk-volcalc"), QStringLiteral("volcalc"));
}

} // namespace volcalc::ui
