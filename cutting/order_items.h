// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which calculated pieces are cut from stock bars, and which of them are cut from the same bars:
// pieces of one shape, one cross-section (compared in thousandths of a millimetre), one material
// (its name and its density: a catalogue material and a density typed by hand are never the same
// one, whatever their names) and one price form a group.

#include "calc/shapes.h"
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
    std::string Material; // as reports name it
    double PieceMass = 0; // kilograms
    std::optional<double> PricePerKg;
    bool TypedDensity = false; // a density set by hand, not a catalogue material
    double Density = 0;        // kg/m³
    // The letters of the cross-section's parameters as the shape's entry names them ("a", "b"...);
    // none for a standard section, whose designation names its cross-section.
    std::vector<std::string_view> Letters{};
    std::optional<double> PieceSurface{}; // m², none where the shape's outline is not known
    std::string Mark{};                   // the part's mark on the drawing, named on the pieces cut for it
};

// What a calculation orders, with its parameters in millimetres in the shape's order: nothing
// for an aperture, a shape not cut from bars (no BarLength in its entry) or a piece without
// length. A piece beyond the planner's range is ordered all the same, so that the order names it.
// A standard section's entry is named by its designation, which names the cross-section.
struct CalculatedPiece {
    const ShapeEntry& Shape;
    bool Aperture = false;
    std::span<const double> Parameters; // millimetres
    std::int64_t Quantity = 0;
    std::string_view Material;
    double PieceMass = 0;
    std::optional<double> PricePerKg;
    bool TypedDensity = false;
    double Density = 0;
    std::optional<double> PieceSurface{}; // m²
};
std::optional<OrderItem> OrderItemOf(const CalculatedPiece& piece);

// Why pieces are left out of the plan.
enum class Unplannable {
    Longer,       // than every stock length
    Shorter,      // than the planner's thousandth of a millimetre: they round to nothing
    CrossSection, // a cross-section beyond the planner's range
};

// Pieces of one length, not planned, each named in the order.
struct UnplannedPieces {
    double Length = 0; // millimetres
    std::int64_t Count = 0;
    Unplannable Reason = Unplannable::Longer;
};

// Pieces of one length for one mark, in the order the items come.
struct MarkedPieces {
    Units Length = 0;
    std::string Mark;
    std::int64_t Count = 0;
};

struct OrderGroup {
    std::string Shape;
    std::vector<double> CrossSection;
    std::string Material;
    std::optional<double> PricePerKg;
    std::vector<Demand> Pieces;             // to plan, in the order first met
    std::vector<UnplannedPieces> Unplanned; // the pieces the planner cannot take, first met first
    double NetMass = 0;                     // kilograms, of the pieces to plan
    Units NetLength = 0;                    // of the pieces to plan
    bool TypedDensity = false;
    double Density = 0;
    std::vector<std::string_view> Letters{}; // of the cross-section, as its items name them
    // m², of one piece of each length in Pieces, in the same order; empty when the group's outline
    // is not known.
    std::vector<double> PieceSurfaces{};
    bool SurfaceKnown = true;
    std::vector<MarkedPieces> Marks{}; // the pieces to plan by mark; none when no item has one
};

// Groups in the order their first piece comes.
std::vector<OrderGroup> GroupOrderItems(std::span<const OrderItem> items);

} // namespace volcalc::cutting
