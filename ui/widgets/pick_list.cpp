// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/pick_list.h"

#include <QAbstractItemView>
#include <QEvent>

namespace volcalc::ui {

void PickList::changeEvent(QEvent* event) {
    // Before the first show the box measures itself afresh when shown (its size policy is to fit
    // its contents on first show), so while it has no list yet a change of font has nothing else
    // to update.
    if (event->type() == QEvent::FontChange && !m_shown &&
        sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow && !findChild<QAbstractItemView*>()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void PickList::showEvent(QShowEvent* event) {
    m_shown = true;
    QComboBox::showEvent(event);
}

} // namespace volcalc::ui
