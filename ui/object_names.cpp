// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/object_names.h"

#include "calc/shapes.h"

namespace volcalc::ui::names {
namespace {

// One per entry of the group's shape list, in its order. The two prisms share one panel and its
// fields.
constexpr std::array<PanelNames, std::tuple_size_v<decltype(ObjectShapes)>> ObjectPanels = {{
    {"Panel2parallelepiped", {"Edit2", "Edit3", "Edit4"}},
    {"Panel2cylinder", {"Edit6", "Edit12"}},
    {"Panel2pipe", {"Edit13", "Edit14", "Edit15"}},
    {"Panel2prism", {"Edit18", "Edit19", "Edit20"}},
    {"Panel2prism", {"Edit18", "Edit19", "Edit20"}},
    {"Panel2sphere", {"Edit21"}},
    {"Panel2part", {"Edit22", "Edit23"}},
    {"Panel2cone", {"Edit53", "Edit54"}},
    {"Panel2cone2", {"Edit24", "Edit25", "Edit26"}},
    {"Panel2pyramid", {"Edit27", "Edit28", "Edit29"}},
    {"Panel2hexbar", {"Edit30", "Edit31"}},
    {"Panel2beam", {"Edit32", "Edit35", "Edit34", "Edit36", "Edit33"}},
    {"Panel2channel", {"Edit38", "Edit40", "Edit39", "Edit41", "Edit37"}},
    {"Panel2lip", {"Edit45", "Edit47", "Edit46", "Edit48", "Edit44"}},
    {"Panel2angle", {"Edit50", "Edit52", "Edit51", "Edit49"}},
}};

constexpr std::array<PanelNames, std::tuple_size_v<decltype(ApertureShapes)>> AperturePanels = {{
    {nullptr, {}}, // "None"
    {"Panel3parallelepiped", {"Edit5", "Edit8", "Edit9"}},
    {"Panel3cylinder", {"Edit55", "Edit56"}},
    {"Panel3prism", {"Edit57", "Edit58", "Edit59"}},
    {"Panel3prism", {"Edit57", "Edit58", "Edit59"}},
    {"Panel3sphere", {"Edit60"}},
    {"Panel3part", {"Edit61", "Edit62"}},
    {"Panel3cone", {"Edit63", "Edit64"}},
    {"Panel3cone2", {"Edit65", "Edit66", "Edit67"}},
    {"Panel3pyramid", {"Edit68", "Edit69", "Edit70"}},
}};

} // namespace

std::span<const PanelNames> PanelsOf(CalcGroup group) {
    if (group == CalcGroup::Object) {
        return ObjectPanels;
    }
    return AperturePanels;
}

const PanelNames* PanelOf(CalcGroup group, const ShapeEntry& shape) {
    // Any other entry, a standard section's say, is none of the list's.
    const std::span<const ShapeEntry> shapes = ShapesOf(group);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (&shapes[i] == &shape) {
            const PanelNames& panel = PanelsOf(group)[i];
            return panel.Panel ? &panel : nullptr;
        }
    }
    return nullptr;
}

const PanelNames* PanelOf(CalcGroup group, std::string_view shape) {
    const ShapeEntry* entry = FindShape(group, shape);
    return entry ? PanelOf(group, *entry) : nullptr;
}

const char* Field(CalcGroup group, const ShapeEntry& shape, std::string_view letter) {
    const PanelNames* panel = PanelOf(group, shape);
    for (std::size_t i = 0; panel && i < shape.Parameters.size(); ++i) {
        if (shape.Parameters[i].Letter == letter) {
            return panel->Fields[i];
        }
    }
    return nullptr;
}

const char* Field(CalcGroup group, std::string_view shape, std::string_view letter) {
    const ShapeEntry* entry = FindShape(group, shape);
    return entry ? Field(group, *entry, letter) : nullptr;
}

} // namespace volcalc::ui::names
