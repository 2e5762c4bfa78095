// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/panel_layout.h"

#include <array>
#include <utility>

namespace volcalc::ui {
namespace {

// Every shape not listed here has its labels and fields in one column.
constexpr std::pair<std::string_view, PanelLayout> Layouts[] = {
    {"Pipe", PanelLayout::ColumnLongLabels}, {"Prism1", PanelLayout::ColumnLetters},
    {"Prism2", PanelLayout::ColumnLetters},  {"Hexahedral Bar", PanelLayout::Bar},
    {"I-Beam", PanelLayout::Profile},        {"C channel", PanelLayout::Profile},
    {"Lip channel", PanelLayout::Profile},   {"Angle", PanelLayout::Profile},
};

// The three column layouts: labels and fields one below the other, 24 pixels apart.
ParameterSlot ColumnSlot(PanelLayout layout, std::size_t position) {
    const int row = 24 * static_cast<int>(position);
    switch (layout) {
    case PanelLayout::ColumnLongLabels:
        return {{10, 22 + row}, {127, 20 + row}};
    case PanelLayout::ColumnLetters:
        return {{26, 22 + row}, {55, 20 + row}};
    default:
        return {{18, 22 + row}, {103, 20 + row}};
    }
}

// The bar and the profiles place each parameter by its letter: the cross-section above the
// separating line, the length below it.
ParameterSlot LetteredSlot(PanelLayout layout, std::string_view letter) {
    if (letter == "Length") {
        return {{66, 103}, {119, 100}};
    }
    if (layout == PanelLayout::Bar) {
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

PanelLayout PanelLayoutOf(std::string_view shape) {
    for (const auto& [name, layout] : Layouts) {
        if (name == shape) {
            return layout;
        }
    }
    return PanelLayout::Column;
}

ParameterSlot SlotOf(PanelLayout layout, std::size_t position, std::string_view letter) {
    return HasSeparatorLine(layout) ? LetteredSlot(layout, letter) : ColumnSlot(layout, position);
}

bool HasSeparatorLine(PanelLayout layout) {
    return layout == PanelLayout::Bar || layout == PanelLayout::Profile;
}

std::span<const std::string_view> TabOrderOf(PanelLayout layout) {
    if (layout == PanelLayout::Profile) {
        return ProfileTabOrder;
    }
    return {};
}

} // namespace volcalc::ui
