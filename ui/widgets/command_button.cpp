// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/command_button.h"

#include "ui/widgets/accessibility.h"

#include <QPushButton>

namespace volcalc::ui {

QPushButton* MakeCommandButton(QWidget* parent, const char* objectName, const QString& caption,
                               const QString& does) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    SetAccessibleText(button, QString(caption).remove(QLatin1Char('&')).remove(QChar(0x2026)), does);
    PressOnEnter(button);
    return button;
}

} // namespace volcalc::ui
