// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/object_names.h"

#include "calc/shapes.h"

namespace volcalc::ui::names {
namespace {

// The two prisms share one panel and its fields.
constexpr PanelNames ObjectPanels[] = {
    {"Parallelepiped", "Panel2parallelepiped", {"Edit2", "Edit3", "Edit4"}},
    {"Cylinder", "Panel2cylinder", {"Edit6", "Edit12"}},
    {"Pipe", "Panel2pipe", {"Edit13", "Edit14", "Edit15"}},
    {"Prism1", "Panel2prism", {"Edit18", "Edit19", "Edit20"}},
    {"Prism2", "Panel2prism", {"Edit18", "Edit19", "Edit20"}},
    {"Sphere", "Panel2sphere", {"Edit21"}},
    {"Part of sphere", "Panel2part", {"Edit22", "Edit23"}},
    {"Cone", "Panel2cone", {"Edit53", "Edit54"}},
    {"Blunted cone", "Panel2cone2", {"Edit24", "Edit25", "Edit26"}},
    {"Pyramid", "Panel2pyramid", {"Edit27", "Edit28", "Edit29"}},
    {"Hexahedral Bar", "Panel2hexbar", {"Edit30", "Edit31"}},
    {"I-Beam", "Panel2beam", {"Edit32", "Edit35", "Edit34", "Edit36", "Edit33"}},
    {"C channel", "Panel2channel", {"Edit38", "Edit40", "Edit39", "Edit41", "Edit37"}},
    {"Lip channel", "Panel2lip", {"Edit45", "Edit47", "Edit46", "Edit48", "Edit44"}},
    {"Angle", "Panel2angle", {"Edit50", "Edit52", "Edit51", "Edit49"}},
};

constexpr PanelNames AperturePanels[] = {
    {"Parallelepiped", "Panel3parallelepiped", {"Edit5", "Edit8", "Edit9"}},
    {"Cylinder", "Panel3cylinder", {"Edit55", "Edit56"}},
    {"Prism1", "Panel3prism", {"Edit57", "Edit58", "Edit59"}},
    {"Prism2", "Panel3prism", {"Edit57", "Edit58", "Edit59"}},
    {"Sphere", "Panel3sphere", {"Edit60"}},
    {"Part of sphere", "Panel3part", {"Edit61", "Edit62"}},
    {"Cone", "Panel3cone", {"Edit63", "Edit64"}},
    {"Blunted cone", "Panel3cone2", {"Edit65", "Edit66", "Edit67"}},
    {"Pyramid", "Panel3pyramid", {"Edit68", "Edit69", "Edit70"}},
};

} // namespace

std::span<const PanelNames> PanelsOf(CalcGroup group) {
    if (group == CalcGroup::Object) {
        return ObjectPanels;
    }
    return AperturePanels;
}

const PanelNames* PanelOf(CalcGroup group, std::string_view shape) {
    for (const PanelNames& panel : PanelsOf(group)) {
        if (panel.Shape == shape) {
            return &panel;
        }
    }
    return nullptr;
}

const char* Field(CalcGroup group, std::string_view shape, std::string_view letter) {
    const PanelNames* panel = PanelOf(group, shape);
    const ShapeEntry* entry = FindShape(group, shape);
    if (!panel || !entry) {
        return nullptr;
    }
    for (std::size_t i = 0; i < entry->Parameters.size(); ++i) {
        if (entry->Parameters[i].Letter == letter) {
            return panel->Fields[i];
        }
    }
    return nullptr;
}

} // namespace volcalc::ui::names
