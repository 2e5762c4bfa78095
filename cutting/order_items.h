// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which calculated pieces are cut from stock bars, and which of them are cut from the same bars:
// pieces of one shape, one cross-section (compared in thousandths of a millimetre) and one
// material form a group.

#include "cutting_plan.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::cutting {

// A piece as the order sees it, whatever front end calculated it.
struct OrderItem {
    std::string Shape;                // the shape's name, or a standard section's designation
    std::vector<double> CrossSection; // millimetres, the shape's parameters without the length
    double Length = 0;                // millimetres
    std::int64_t Quantity = 0;
    std::string Material;
    double PieceMass = 0; // kilograms
    std::optional<double> PricePerKg;
};

// Which of the shape's parameters is the length it is cut to from a bar: the profiles' Length,
// a cylinder's b, a pipe's c. Nothing for shapes not cut from bars.
std::optional<std::size_t> BarLengthParameter(std::string_view shape);

// What a calculation of a catalogue shape orders, with its parameters in millimetres in the
// shape's order: nothing for an aperture, a shape not cut from bars, a piece without length or
// one beyond the planner's range (LongestMillimetres).
// A standard section is cut by its one parameter, its length; its designation names the
// cross-section.
struct CalculatedPiece {
    std::string_view Shape; // a catalogue shape's name or a standard section's designation
    bool Aperture = false;
    bool StandardSection = false;
    std::span<const double> Parameters; // millimetres
    std::int64_t Quantity = 0;
    std::string_view Material;
    double PieceMass = 0;
    std::optional<double> PricePerKg;
};
std::optional<OrderItem> OrderItemOf(const CalculatedPiece& piece);

struct OrderGroup {
    std::string Shape;
    std::vector<double> CrossSection;
    std::string Material;
    std::optional<double> PricePerKg;
    std::vector<Demand> Pieces; // in the order first met
    double NetMass = 0;         // kilograms, of all pieces
    Units NetLength = 0;        // of all pieces
};

// Groups in the order their first piece comes.
std::vector<OrderGroup> GroupOrderItems(std::span<const OrderItem> items);

} // namespace volcalc::cutting
