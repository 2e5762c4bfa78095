// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace volcalc {

// Units of measure. The position in each list is the index of the window's drop-down list.
enum class LengthUnit { Millimeter, Centimeter, Meter, Inch, Foot, Yard };
enum class VolumeUnit { Millimeter, Centimeter, Meter, Inch, Foot, Yard };
enum class MassUnit { Gram, Kilogram, Centner, MetricTon, Pound };

inline constexpr std::array<std::string_view, 6> LengthUnitNames = {"millimeter", "centimeter", "meter",
                                                                    "inch",       "foot",       "yard"};
inline constexpr std::array<std::string_view, 6> VolumeUnitNames = LengthUnitNames;
inline constexpr std::array<std::string_view, 5> MassUnitNames = {"gram", "kilogram", "centner", "metric ton",
                                                                  "pound"};

inline constexpr LengthUnit DefaultLengthUnit = LengthUnit::Millimeter;
inline constexpr VolumeUnit DefaultVolumeUnit = VolumeUnit::Meter;
inline constexpr MassUnit DefaultMassUnit = MassUnit::Kilogram;

// Exact, case-sensitive comparison of the text with each display name in list order.
std::optional<LengthUnit> LengthUnitFromName(std::string_view name);
std::optional<VolumeUnit> VolumeUnitFromName(std::string_view name);
std::optional<MassUnit> MassUnitFromName(std::string_view name);

std::string_view NameOf(LengthUnit unit);
std::string_view NameOf(VolumeUnit unit);
std::string_view NameOf(MassUnit unit);

// The length of one unit in millimetres.
long double MillimetresPer(LengthUnit unit);

// A volume already divided by 10^9, given in cubes of `unit`, scaled into cubic metres.
double ScaleVolumeToCubicMetres(double value, LengthUnit unit);

// Cubic metres and kilograms converted to a display unit.
double VolumeForDisplay(double cubicMetres, VolumeUnit unit);
// Square metres in the square of the volume display unit's length: the surface beside the volume.
double SurfaceForDisplay(double squareMetres, VolumeUnit unit);
// An area in squares of `unit` in square metres.
double SquareMetresOf(long double area, LengthUnit unit);
double MassForDisplay(double kilograms, MassUnit unit);

} // namespace volcalc
