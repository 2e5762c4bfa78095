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
    if (position < m_prices.size()) {
        m_prices.erase(m_prices.begin() + static_cast<std::ptrdiff_t>(position));
    }
}

bool MaterialList::AnyPriced() const {
    return std::any_of(m_prices.begin(), m_prices.end(), [](double price) { return !std::isnan(price); });
}

void MaterialList::ClearPrices() {
    m_prices.clear();
}

void MaterialList::MakeRoomForPrices() {
    if (m_prices.size() >= m_names.size()) {
        return;
    }
    if (m_prices.capacity() < m_names.capacity()) {
        std::vector<double> prices;
        prices.reserve(m_names.capacity());
        PreferLargePages(prices.data(), prices.capacity() * sizeof(double));
        prices.assign(m_prices.begin(), m_prices.end());
        m_prices = std::move(prices);
    }
    m_prices.resize(m_names.size(), NoPrice);
}

bool operator==(const MaterialList& a, const MaterialList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace volcalc
