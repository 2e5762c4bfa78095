// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.h"

#include "errors.h"

namespace volcalc {
namespace {

template <typename Unit, std::size_t N>
std::optional<Unit> FindByName(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) {
            return static_cast<Unit>(i);
        }
    }
    return std::nullopt;
}

// The imperial units in tenths of a millimetre, where they are whole numbers.
constexpr long double InchTenths = 254;
constexpr long double FootTenths = 3048;
constexpr long double YardTenths = 9144;

// Length of each unit in millimetres; a length unit is applied as three multiplications.
constexpr long double InchMillimetres = InchTenths / 10;
constexpr long double FootMillimetres = FootTenths / 10;
constexpr long double YardMillimetres = YardTenths / 10;

// One cubic unit in cubic millimetres, the divisors of the volume display: the cube is exact in
// extended precision and rounded once (16387.064, 28316846.592 and 764554857.984).
constexpr long double CubicMillimetres(long double tenths) {
    return tenths * tenths * tenths / 1000;
}
constexpr long double CubicInchMillimetres = CubicMillimetres(InchTenths);
constexpr long double CubicFootMillimetres = CubicMillimetres(FootTenths);
constexpr long double CubicYardMillimetres = CubicMillimetres(YardTenths);

long double Cubed(long double value, long double factor) {
    return value * factor * factor * factor;
}

} // namespace

std::optional<LengthUnit> LengthUnitFromName(std::string_view name) {
    return FindByName<LengthUnit>(LengthUnitNames, name);
}
std::optional<VolumeUnit> VolumeUnitFromName(std::string_view name) {
    return FindByName<VolumeUnit>(VolumeUnitNames, name);
}
std::optional<MassUnit> MassUnitFromName(std::string_view name) {
    return FindByName<MassUnit>(MassUnitNames, name);
}

std::string_view NameOf(LengthUnit unit) {
    return LengthUnitNames.at(static_cast<std::size_t>(unit));
}
std::string_view NameOf(VolumeUnit unit) {
    return VolumeUnitNames.at(static_cast<std::size_t>(unit));
}
std::string_view NameOf(MassUnit unit) {
    return MassUnitNames.at(static_cast<std::size_t>(unit));
}

long double MillimetresPer(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Millimeter:
        break;
    case LengthUnit::Centimeter:
        return 10;
    case LengthUnit::Meter:
        return 1000;
    case LengthUnit::Inch:
        return InchMillimetres;
    case LengthUnit::Foot:
        return FootMillimetres;
    case LengthUnit::Yard:
        return YardMillimetres;
    }
    return 1;
}

double ScaleVolumeToCubicMetres(double value, LengthUnit unit) {
    const long double v = value;
    switch (unit) {
    case LengthUnit::Millimeter:
        return value;
    case LengthUnit::Centimeter:
        return StoreDouble(v * 1000.0L);
    case LengthUnit::Meter:
        return StoreDouble(v * 1000000000.0L);
    case LengthUnit::Inch:
        return StoreDouble(Cubed(v, InchMillimetres));
    case LengthUnit::Foot:
        return StoreDouble(Cubed(v, FootMillimetres));
    case LengthUnit::Yard:
        return StoreDouble(Cubed(v, YardMillimetres));
    }
    return value;
}

double VolumeForDisplay(double cubicMetres, VolumeUnit unit) {
    const long double v = cubicMetres;
    switch (unit) {
    case VolumeUnit::Millimeter:
        return StoreDouble(v * 1000000000.0L);
    case VolumeUnit::Centimeter:
        return StoreDouble(v * 1000000.0L);
    case VolumeUnit::Meter:
        return cubicMetres;
    case VolumeUnit::Inch:
        return StoreDouble(v * 1000000000.0L / CubicInchMillimetres);
    case VolumeUnit::Foot:
        return StoreDouble(v * 1000000000.0L / CubicFootMillimetres);
    case VolumeUnit::Yard:
        return StoreDouble(v * 1000000000.0L / CubicYardMillimetres);
    }
    return cubicMetres;
}

double SurfaceForDisplay(double squareMetres, VolumeUnit unit) {
    const long double millimetres = MillimetresPer(static_cast<LengthUnit>(unit));
    return StoreDouble(squareMetres * 1000000.0L / (millimetres * millimetres));
}

double SquareMetresOf(long double area, LengthUnit unit) {
    const long double millimetres = MillimetresPer(unit);
    return StoreDouble(area * (millimetres * millimetres) / 1000000.0L);
}

double MassForDisplay(double kilograms, MassUnit unit) {
    const long double m = kilograms;
    switch (unit) {
    case MassUnit::Gram:
        return StoreDouble(m * 1000.0L);
    case MassUnit::Kilogram:
        return kilograms;
    case MassUnit::Centner:
        return StoreDouble(m / 100.0L);
    case MassUnit::MetricTon:
        return StoreDouble(m / 1000.0L);
    case MassUnit::Pound:
        return StoreDouble(m * 1000.0L / 453.6L);
    }
    return kilograms;
}

} // namespace volcalc
