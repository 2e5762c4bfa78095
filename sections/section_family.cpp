// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections/section_family.h"

#include <array>
#include <utility>

namespace volcalc::sections {
namespace {

constexpr std::array<std::pair<SectionKind, std::string_view>, 8> KindWords = {{
    {SectionKind::IBeam, "I"},
    {SectionKind::ParallelChannel, "U parallel"},
    {SectionKind::TaperedChannel, "U tapered"},
    {SectionKind::Angle, "L"},
    {SectionKind::HotFinishedHollow, "hot-finished hollow"},
    {SectionKind::ColdFormedHollow, "cold-formed hollow"},
    {SectionKind::CircularHollow, "circular hollow"},
    {SectionKind::Tabulated, "tabulated"},
}};

} // namespace

std::string_view KindWord(SectionKind kind) {
    for (const auto& [known, word] : KindWords) {
        if (known == kind) {
            return word;
        }
    }
    return {};
}

std::optional<SectionKind> KindFromWord(std::string_view word) {
    for (const auto& [kind, known] : KindWords) {
        if (known == word) {
            return kind;
        }
    }
    return std::nullopt;
}

TableColumns ColumnsOf(SectionKind kind) {
    switch (kind) {
    case SectionKind::Angle:
    case SectionKind::AmericanAngle:
        return TableColumns::Angle;
    case SectionKind::HotFinishedHollow:
    case SectionKind::ColdFormedHollow:
    case SectionKind::CircularHollow:
    case SectionKind::AmericanHollow:
        return TableColumns::Hollow;
    default:
        return TableColumns::Flanged;
    }
}

bool AreaIsTabulated(SectionKind kind) {
    switch (kind) {
    case SectionKind::Tabulated:
    case SectionKind::AmericanI:
    case SectionKind::AmericanChannel:
    case SectionKind::AmericanAngle:
    case SectionKind::AmericanTee:
        return true;
    default:
        return false;
    }
}

} // namespace volcalc::sections
