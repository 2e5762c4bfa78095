// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/material_list.h"

#include "materials/large_pages.h"

#include <algorithm>

namespace volcalc {

MaterialList::MaterialList(std::initializer_list<MaterialView> materials) {
    for (const MaterialView material : materials) {
        push_back(material);
    }
}

void MaterialList::reserve(std::size_t count) {
    m_names.reserve(count);
    PreferLargePages(m_names.data(), m_names.capacity() * sizeof(Name));
    m_densities.reserve(count);
    PreferLargePages(m_densities.data(), m_densities.capacity() * sizeof(std::int32_t));
}

void MaterialList::PushName(std::string_view name) {
    m_names.push_back(
        {static_cast<std::uint32_t>(m_own.size()), static_cast<std::uint32_t>(name.size()) | OwnText});
    m_own.append(name);
}

void MaterialList::erase(std::size_t position) {
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(position));
    m_densities.erase(m_densities.begin() + static_cast<std::ptrdiff_t>(position));
}

bool operator==(const MaterialList& a, const MaterialList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace volcalc
