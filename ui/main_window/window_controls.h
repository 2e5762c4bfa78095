// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window/fixed_layout.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

// The main window's fixed controls, named and placed as the fixed layout table says.
namespace volcalc::ui {

template <typename Widget> Widget* Placed(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(layout::PlaceOf(name));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption);
// A pick-only drop-down list.
QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, int selected);

// A label sizes itself to its text, as the form's labels do: the width drawn on the form is kept
// unless the text needs more, and a right-aligned label keeps its right edge.
void FitLabel(QLabel* label);

template <std::size_t N> QStringList ListTexts(const std::array<std::string_view, N>& texts) {
    QStringList list;
    for (std::string_view text : texts) {
        list << QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    return list;
}

} // namespace volcalc::ui
