// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/window_controls.h"

#include "ui/widgets/group_frame.h"
#include "ui/widgets/pick_list.h"

#include <QLabel>

namespace volcalc::ui {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    return Placed(new QLabel(QString::fromLatin1(text), parent), name);
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption) {
    auto* group = Placed(new GroupFrame(QString::fromLatin1(caption), parent), name);
    group->setAccessibleName(group->title().trimmed());
    return group;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, int selected) {
    auto* list = Placed(new PickList(parent), name);
    list->addItems(items);
    list->setCurrentIndex(selected);
    return list;
}

void FitLabel(QLabel* label) {
    if (label->wordWrap()) {
        return;
    }
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed <= label->width()) {
        return;
    }
    const int right = label->geometry().right();
    label->resize(needed, label->height());
    if (label->alignment() & Qt::AlignRight) {
        label->move(right - needed + 1, label->y());
    }
}

} // namespace volcalc::ui
