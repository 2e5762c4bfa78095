#include "materials/name_list.h"

#include "materials/large_pages.h"

#include <algorithm>

namespace volcalc {

NameList::NameList(std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        push_back(name);
    }
}

void NameList::reserve(std::size_t count) {
    m_names.reserve(count);
    PreferLargePages(m_names.data(), m_names.capacity() * sizeof(Name));
}

void NameList::push_back(std::string_view name) {
    m_names.push_back(
        {static_cast<std::uint32_t>(m_own.size()), static_cast<std::uint32_t>(name.size()) | OwnText});
    m_own.append(name);
}

void NameList::push_back_from_source(std::string_view name) {
    m_names.push_back({static_cast<std::uint32_t>(name.data() - m_source->data()),
                       static_cast<std::uint32_t>(name.size())});
}

void NameList::erase(std::size_t position) {
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(position));
}

bool operator==(const NameList& a, const NameList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool operator==(const NameList& list, const std::vector<std::string>& names) {
    return std::equal(list.begin(), list.end(), names.begin(), names.end());
}

} // namespace volcalc
