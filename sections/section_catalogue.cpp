// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_catalogue.h"

#include "sections/designation_key.h"
#include "sections/designation_nearness.h"

#include <algorithm>
#include <numeric>

namespace volcalc::sections {

std::size_t SectionCatalogue::AddFamily(SectionFamily family) {
    m_families.push_back(std::move(family));
    return m_families.size() - 1;
}

bool SectionCatalogue::Add(Section section) {
    std::string key = DesignationKey(section.Designation);
    if (!m_byKey.emplace(key, m_sections.size()).second) {
        return false;
    }
    m_parts.push_back(PartsOf(key));
    m_keys.push_back(std::move(key));
    m_sections.push_back(std::move(section));
    return true;
}

std::vector<const Section*> SectionCatalogue::SectionsOf(std::size_t family) const {
    std::vector<const Section*> found;
    for (const Section& section : m_sections) {
        if (section.Family == family) {
            found.push_back(&section);
        }
    }
    return found;
}

const Section* SectionCatalogue::Find(std::string_view designation) const {
    const auto found = m_byKey.find(DesignationKey(designation));
    return found == m_byKey.end() ? nullptr : &m_sections[found->second];
}

std::vector<const Section*> SectionCatalogue::Containing(std::string_view text) const {
    const std::string wanted = DesignationKey(text);
    std::vector<const Section*> found;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (m_keys[i].find(wanted) != std::string::npos) {
            found.push_back(&m_sections[i]);
        }
    }
    return found;
}

std::vector<const Section*> SectionCatalogue::Closest(std::string_view designation, std::size_t count) const {
    const DesignationParts wanted = PartsOf(DesignationKey(designation));
    std::vector<Nearness> nearness;
    nearness.reserve(m_sections.size());
    for (const DesignationParts& held : m_parts) {
        nearness.push_back(NearnessOf(wanted, held));
    }
    std::vector<std::size_t> order(m_sections.size());
    std::iota(order.begin(), order.end(), 0);
    count = std::min(count, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count), order.end(),
                      [&](std::size_t a, std::size_t b) {
                          const auto nearer = nearness[a] <=> nearness[b];
                          return nearer != 0 ? nearer < 0 : a < b;
                      });
    std::vector<const Section*> closest;
    for (std::size_t i = 0; i < count; ++i) {
        closest.push_back(&m_sections[order[i]]);
    }
    return closest;
}

std::string SectionCatalogue::UnknownMessage(std::string_view designation, std::string_view shown) const {
    std::string message = "Unknown section \"" + std::string(shown) + "\"";
    const std::vector<const Section*> closest = Closest(designation, 3);
    if (closest.empty()) {
        return message + "; no section tables were loaded.";
    }
    message += "; closest: ";
    for (std::size_t i = 0; i < closest.size(); ++i) {
        message += (i == 0 ? "" : ", ") + closest[i]->Designation;
    }
    return message + ".";
}

} // namespace volcalc::sections
