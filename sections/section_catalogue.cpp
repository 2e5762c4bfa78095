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
    const std::size_t index = m_sections.size();
    std::string key = DesignationKey(section.Designation);
    if (!m_byKey.emplace(key, index).second) {
        return false;
    }
    // A section's own designation takes the name from another's metric one.
    if (m_byAlias.erase(key) > 0) {
        std::erase_if(m_names, [&](const Name& name) { return name.Metric && name.Key == key; });
    }
    m_names.push_back({key, PartsOf(key), index, false});
    if (!section.MetricDesignation.empty()) {
        std::string metric = DesignationKey(section.MetricDesignation);
        if (!m_byKey.contains(metric) && m_byAlias.emplace(metric, index).second) {
            m_names.push_back({metric, PartsOf(metric), index, true});
        }
    }
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
    const std::string key = DesignationKey(designation);
    if (const auto found = m_byKey.find(key); found != m_byKey.end()) {
        return &m_sections[found->second];
    }
    const auto found = m_byAlias.find(key);
    return found == m_byAlias.end() ? nullptr : &m_sections[found->second];
}

std::string_view SectionCatalogue::DesignationOf(const Name& name) const {
    const Section& section = m_sections[name.Held];
    return name.Metric ? section.MetricDesignation : section.Designation;
}

std::vector<NamedSection> SectionCatalogue::Containing(std::string_view text) const {
    const std::string wanted = DesignationKey(text);
    std::vector<NamedSection> found;
    // Metric designations are searched only when no section's own one holds the text: "W8" lists the
    // W8 shapes, not the W33 ones whose metric designations start with W840.
    for (const bool metric : {false, true}) {
        for (const Name& name : m_names) {
            if (name.Metric == metric && name.Key.find(wanted) != std::string::npos) {
                found.push_back({&m_sections[name.Held], DesignationOf(name)});
            }
        }
        if (!found.empty()) {
            break;
        }
    }
    return found;
}

std::vector<std::string_view> SectionCatalogue::Closest(std::string_view designation,
                                                        std::size_t count) const {
    const DesignationParts wanted = PartsOf(DesignationKey(designation));
    std::vector<Nearness> nearness;
    nearness.reserve(m_names.size());
    for (const Name& name : m_names) {
        nearness.push_back(NearnessOf(wanted, name.Parts));
    }
    std::vector<std::size_t> order(m_names.size());
    std::iota(order.begin(), order.end(), 0);
    count = std::min(count, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count), order.end(),
                      [&](std::size_t a, std::size_t b) {
                          const auto nearer = nearness[a] <=> nearness[b];
                          return nearer != 0 ? nearer < 0 : a < b;
                      });
    std::vector<std::string_view> closest;
    for (std::size_t i = 0; i < count; ++i) {
        closest.push_back(DesignationOf(m_names[order[i]]));
    }
    return closest;
}

std::string SectionCatalogue::UnknownMessage(std::string_view designation, std::string_view shown) const {
    std::string message = "Unknown section \"" + std::string(shown) + "\"";
    const std::vector<std::string_view> closest = Closest(designation, 3);
    if (closest.empty()) {
        return message + "; no section tables were loaded.";
    }
    message += "; closest: ";
    for (std::size_t i = 0; i < closest.size(); ++i) {
        message += (i == 0 ? "" : ", ") + std::string(closest[i]);
    }
    return message + ".";
}

} // namespace volcalc::sections
