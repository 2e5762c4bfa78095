// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace volcalc {

// A material of the catalogue: what the user types into the add-material dialog, what a script
// adds, what a change to the file is about. Its price per kilogram is none until one is set.
struct Material {
    std::string Name;
    std::int32_t Density = 0;
    std::optional<double> Price = std::nullopt;
    bool operator==(const Material&) const = default;
};

// A material as a list holds it, its name seen in the list's text: a catalogue of a million
// materials is not copied name by name to be listed or searched.
struct MaterialView {
    MaterialView() = default;
    MaterialView(std::string_view name, std::int32_t density, std::optional<double> price = std::nullopt)
        : Name(name), Density(density), Price(price) {}
    MaterialView(const Material& material)
        : Name(material.Name), Density(material.Density), Price(material.Price) {}

    std::string_view Name;
    std::int32_t Density = 0;
    std::optional<double> Price;

    Material Owned() const { return {std::string(Name), Density, Price}; }
    // The same material whatever its price: a material is known by its name and density.
    bool SameMaterial(const MaterialView& other) const {
        return Name == other.Name && Density == other.Density;
    }
    bool operator==(const MaterialView&) const = default;
};

// A material with its place in the list, for a change that finds it there.
struct ListedMaterial {
    std::size_t Position = 0;
    Material Which;
};

} // namespace volcalc
