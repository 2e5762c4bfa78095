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

// Length of each unit in millimetres; the imperial ones are applied as three multiplications.
constexpr long double InchMillimetres = 25.4L;
constexpr long double FootMillimetres = 304.8L;
constexpr long double YardMillimetres = 914.4L;

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
        return StoreDouble(v * 1000000000.0L / 16387.064L);
    case VolumeUnit::Foot:
        return StoreDouble(v * 1000000000.0L / 28316846.592L);
    case VolumeUnit::Yard:
        return StoreDouble(v * 1000000000.0L / 764554857.984L);
    }
    return cubicMetres;
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
