// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/shapes.h"

#include <QPoint>

#include <cstddef>
#include <span>
#include <string_view>

namespace volcalc::ui {

// Where a parameter's label and field stand inside its panel.
struct ParameterSlot {
    QPoint Label;
    QPoint Field;
    int FieldWidth = 50;
};

inline constexpr int ParameterFieldHeight = 21;

// The slot of the parameter at the position in its shape's list, with the given letter.
ParameterSlot SlotOf(PanelKind layout, std::size_t position, std::string_view letter);

// The bar and the profiles have a line between the cross-section and the length.
bool HasSeparatorLine(PanelKind layout);

// The letters in the order the Tab key visits them; empty for parameter order.
std::span<const std::string_view> TabOrderOf(PanelKind layout);

} // namespace volcalc::ui
