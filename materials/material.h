// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace volcalc {

// A material of the catalogue: what the user types into the add-material dialog, what a script
// adds, what a change to the file is about.
struct Material {
    std::string Name;
    std::int32_t Density = 0;
    bool operator==(const Material&) const = default;
};

// A material as a list holds it, its name seen in the list's text: a catalogue of a million
// materials is not copied name by name to be listed or searched.
struct MaterialView {
    MaterialView() = default;
    MaterialView(std::string_view name, std::int32_t density) : Name(name), Density(density) {}
    MaterialView(const Material& material) : Name(material.Name), Density(material.Density) {}

    std::string_view Name;
    std::int32_t Density = 0;

    Material Owned() const { return {std::string(Name), Density}; }
    bool operator==(const MaterialView&) const = default;
};

} // namespace volcalc
