// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_shapes.h"

namespace volcalc::sections {

const ShapeParameter SectionLength{"Length", "Length =", "length of the section"};

const ShapeEntry* SectionShapes::Find(std::string_view designation) {
    const Section* section = m_library.Catalogue().Find(designation);
    return section ? &ShapeOf(*section) : nullptr;
}

const ShapeEntry& SectionShapes::ShapeOf(const Section& section) {
    std::unique_ptr<SectionShape>& shape = m_shapes[&section];
    if (!shape) {
        shape = std::make_unique<SectionShape>();
        shape->Rule = {nullptr, section.Area, nullptr, section.Perimeter};
        // Cut from stock bars by its one parameter; its designation names the cross-section.
        shape->Entry = {section.Designation,
                        {},
                        std::span<const ShapeParameter>(&SectionLength, 1),
                        &shape->Rule,
                        "a standard section",
                        PanelKind::Column,
                        0};
    }
    return shape->Entry;
}

} // namespace volcalc::sections
