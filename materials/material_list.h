// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material.h"

#include <cmath>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc {

// The materials of a catalogue in file order, each given as one record (MaterialView). Their names
// are parts of the text they were read from or, for names made otherwise, one after another in a
// text of the list's own: a catalogue of a million materials takes one allocation to list, not a
// million, and as few to free. Each field is kept in a table of its own, as a file holds it in a
// section of its own: reading fills one table after the other, each in one sequential pass, and a
// catalogue without prices has no table of prices at all.
class MaterialList {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = MaterialView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = MaterialView;

        const_iterator() = default;
        const_iterator(const MaterialList* list, std::size_t position) : m_list(list), m_position(position) {}
        MaterialView operator*() const { return (*m_list)[m_position]; }
        MaterialView operator[](difference_type offset) const { return *(*this + offset); }
        const_iterator& operator+=(difference_type offset) {
            m_position = static_cast<std::size_t>(static_cast<difference_type>(m_position) + offset);
            return *this;
        }
        const_iterator& operator-=(difference_type offset) { return *this += -offset; }
        const_iterator& operator++() { return *this += 1; }
        const_iterator& operator--() { return *this -= 1; }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --*this;
            return before;
        }
        friend const_iterator operator+(const_iterator at, difference_type offset) { return at += offset; }
        friend const_iterator operator+(difference_type offset, const_iterator at) { return at += offset; }
        friend const_iterator operator-(const_iterator at, difference_type offset) { return at -= offset; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_position) - static_cast<difference_type>(b.m_position);
        }
        bool operator==(const const_iterator& other) const { return m_position == other.m_position; }
        auto operator<=>(const const_iterator& other) const { return m_position <=> other.m_position; }

    private:
        const MaterialList* m_list = nullptr;
        std::size_t m_position = 0;
    };
    using iterator = const_iterator;
    using value_type = MaterialView;

    MaterialList() = default;
    // A list whose names may be parts of `source`, which it keeps.
    explicit MaterialList(std::shared_ptr<const std::string> source) : m_source(std::move(source)) {}
    MaterialList(std::initializer_list<MaterialView> materials);

    std::size_t size() const { return m_names.size(); }
    bool empty() const { return m_names.empty(); }
    MaterialView operator[](std::size_t position) const {
        const Name name = m_names[position];
        const std::string& text = (name.Length & OwnText) != 0 ? m_own : *m_source;
        return {std::string_view(text).substr(name.Start, name.Length & ~OwnText), m_densities[position],
                PriceAt(position)};
    }
    MaterialView back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Room for `count` materials.
    void reserve(std::size_t count);
    // Adds a copy of the material.
    void push_back(MaterialView material) {
        PushName(material.Name);
        PushDensity(material.Density);
        SetPrice(size() - 1, material.Price);
    }
    void erase(std::size_t position);

    // Whether any material has a price.
    bool AnyPriced() const;
    // Sets or clears the price of the material at that position.
    void SetPrice(std::size_t position, std::optional<double> price) {
        if (position >= m_prices.size()) {
            if (!price) {
                return;
            }
            MakeRoomForPrices();
        }
        m_prices[position] = price.value_or(NoPrice);
    }
    // Clears every price.
    void ClearPrices();
    // Room for a price for every material listed, for a reader about to set them.
    void MakeRoomForPrices();

    // A reader meets a file's names before its densities. It lists every name first, a copy or a
    // part of the source text, then gives every density in the same order; the list is whole again
    // once both tables hold as many.
    void PushName(std::string_view name);
    // Inline: reading a catalogue calls it once a name.
    void PushNameFromSource(std::string_view name) {
        m_names.push_back({static_cast<std::uint32_t>(name.data() - m_source->data()),
                           static_cast<std::uint32_t>(name.size())});
    }
    void PushDensity(std::int32_t density) { m_densities.push_back(density); }

    friend bool operator==(const MaterialList& a, const MaterialList& b);

private:
    // A name's place in the source text, or in the list's own text when Length has OwnText set.
    // Both texts stay below 4 GB: the source is a file of at most 512 MB, at most three times that
    // once read from Windows-1252 into UTF-8, and the own text holds at most the names of one such file.
    struct Name {
        std::uint32_t Start;
        std::uint32_t Length;
    };
    static constexpr std::uint32_t OwnText = 0x80000000u;
    // A material without a price; no price read or set is one (a price is a number).
    static constexpr double NoPrice = std::numeric_limits<double>::quiet_NaN();

    std::optional<double> PriceAt(std::size_t position) const {
        if (position >= m_prices.size() || std::isnan(m_prices[position])) {
            return std::nullopt;
        }
        return m_prices[position];
    }

    std::shared_ptr<const std::string> m_source;
    std::string m_own;
    std::vector<Name> m_names;
    std::vector<std::int32_t> m_densities;
    // By position; the materials beyond its end have no price (all of them while it is empty).
    std::vector<double> m_prices;
};

} // namespace volcalc
