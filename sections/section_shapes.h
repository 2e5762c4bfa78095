// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/shapes.h"
#include "sections/section_library.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace volcalc::sections {

// The one parameter of a standard section: its length.
extern const ShapeParameter SectionLength;

// A section as the ledger and the parts list take a shape: named by its designation, with one
// parameter, the length, and a volume of its area times that length. Made on first use of each
// section and kept as long as this object, so rows may keep the shape's entry.
class SectionShapes {
public:
    explicit SectionShapes(const SectionLibrary& library) : m_library(library) {}

    // The shape a designation names (ignoring case and blanks), reading the tables on first use;
    // nullptr when it names none.
    const ShapeEntry* Find(std::string_view designation);
    const ShapeEntry& ShapeOf(const Section& section);
    const SectionLibrary& Library() const { return m_library; }

private:
    struct SectionShape {
        ShapeRule Rule;
        ShapeEntry Entry;
    };

    const SectionLibrary& m_library;
    std::unordered_map<const Section*, std::unique_ptr<SectionShape>> m_shapes;
};

} // namespace volcalc::sections
