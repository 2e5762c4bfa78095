// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sections/designation_nearness.h"
#include "sections/section.h"
#include "sections/section_family.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace volcalc::sections {

// A section under one of its designations.
struct NamedSection {
    const Section* Held = nullptr;
    std::string_view Designation; // the section's own, or its metric one
};

// Every family and section that was loaded, with the messages about rows that were left out.
class SectionCatalogue {
public:
    std::size_t AddFamily(SectionFamily family);
    // False when a section of the same designation key is held already. Its metric designation
    // names it too, where no section held or added later has that designation as its own.
    bool Add(Section section);
    void AddProblem(std::string message) { m_problems.push_back(std::move(message)); }

    std::span<const SectionFamily> Families() const { return m_families; }
    std::span<const Section> Sections() const { return m_sections; }
    std::vector<const Section*> SectionsOf(std::size_t family) const;
    const SectionFamily& FamilyOf(const Section& section) const { return m_families[section.Family]; }
    // One line each, naming the file and the line.
    std::span<const std::string> Problems() const { return m_problems; }

    // The section a designation names, ignoring case and blanks; nullptr for none.
    const Section* Find(std::string_view designation) const;
    // Sections whose own designation holds `text`, ignoring case and blanks, in catalogue order;
    // where none does, those whose metric designation holds it, under that designation.
    std::vector<NamedSection> Containing(std::string_view text) const;
    // The `count` designations nearest to `designation`: of the nearest family, then of the
    // nearest size, in catalogue order where they tie.
    std::vector<std::string_view> Closest(std::string_view designation, std::size_t count) const;
    // Unknown section "IPE 210"; closest: IPE 200, IPE 220, IPE 240. `shown` is the designation as
    // the message may echo it (cut short, control characters escaped).
    std::string UnknownMessage(std::string_view designation, std::string_view shown) const;

private:
    // One designation of a section: its own or its metric one.
    struct Name {
        std::string Key; // DesignationKey of the designation
        DesignationParts Parts;
        std::size_t Held = 0; // index in m_sections
        bool Metric = false;
    };

    std::string_view DesignationOf(const Name& name) const;

    std::vector<SectionFamily> m_families;
    std::vector<Section> m_sections;
    std::vector<Name> m_names; // in catalogue order, a section's own designation before its metric one
    std::unordered_map<std::string, std::size_t> m_byKey;   // own designations: index in m_sections
    std::unordered_map<std::string, std::size_t> m_byAlias; // metric designations
    std::vector<std::string> m_problems;
};

} // namespace volcalc::sections
