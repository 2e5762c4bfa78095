// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/panel_layout.h"

#include <array>

namespace volcalc::ui {
namespace {

// The three column layouts: labels and fields one below the other, 24 pixels apart.
ParameterSlot ColumnSlot(PanelKind layout, std::size_t position) {
    const int row = 24 * static_cast<int>(position);
    switch (layout) {
    case PanelKind::ColumnLongLabels:
        return {{10, 22 + row}, {127, 20 + row}};
    case PanelKind::ColumnLetters:
        return {{26, 22 + row}, {55, 20 + row}};
    default:
        return {{18, 22 + row}, {103, 20 + row}};
    }
}

// The bar and the profiles place each parameter by its letter: the cross-section above the
// separating line, the length below it.
ParameterSlot LetteredSlot(PanelKind layout, std::string_view letter) {
    if (letter == "Length") {
        return {{66, 103}, {119, 100}};
    }
    if (layout == PanelKind::Bar) {
        return {{33, 35}, {55, 32}};
    }
    if (letter == "a") {
        return {{17, 27}, {39, 24}, 45};
    }
    if (letter == "b") {
        return {{97, 27}, {119, 24}, 45};
    }
    if (letter == "c") {
        return {{17, 51}, {39, 48}, 45};
    }
    return {{97, 51}, {119, 48}, 45};
}

// The Tab key visits the fields of a profile from the length to the cross-section, b last.
constexpr std::array<std::string_view, 5> ProfileTabOrder = {"Length", "a", "c", "d", "b"};

} // namespace

ParameterSlot SlotOf(PanelKind layout, std::size_t position, std::string_view letter) {
    return HasSeparatorLine(layout) ? LetteredSlot(layout, letter) : ColumnSlot(layout, position);
}

bool HasSeparatorLine(PanelKind layout) {
    return layout == PanelKind::Bar || layout == PanelKind::Profile;
}

std::span<const std::string_view> TabOrderOf(PanelKind layout) {
    if (layout == PanelKind::Profile) {
        return ProfileTabOrder;
    }
    return {};
}

} // namespace volcalc::ui
