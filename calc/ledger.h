#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace volcalc {

inline constexpr std::size_t MaxShapeParameters = 8;
inline constexpr std::string_view WrongDataWarning = "Wrong data input.\r\nCheck up all entered parameters.";

// What the ledger needs of a shape: its name, how many parameter texts it reads (in parameter
// order) and its volume per piece in cubes of the length unit. The volume is empty when the
// parameters describe no solid; the ledger then refuses the calculation with its warning.
struct ShapeRule {
    std::string_view DisplayName;
    std::size_t ParameterCount = 0;
    std::optional<long double> (*VolumePerPiece)(std::span<const double> values) = nullptr;
};

// (a x b) x c; zero and negative values are accepted.
std::optional<long double> ParallelepipedVolume(std::span<const double> values);
inline constexpr ShapeRule ParallelepipedRule{"Parallelepiped", 3, &ParallelepipedVolume};

// Cubic metres and kilograms, in the order the ledger keeps them.
struct LedgerTotals {
    double TotalVolume = 0;
    double ObjectVolume = 0;
    double ApertureVolume = 0;
    double TotalMass = 0;
    double ObjectMass = 0;
    double ApertureMass = 0;

    friend bool operator==(const LedgerTotals&, const LedgerTotals&) = default;
};

// The window's side of the ledger.
class LedgerView {
public:
    virtual ~LedgerView() = default;
    // Six totals in cubic metres and kilograms, written without any unit conversion.
    virtual void ShowTotals(const LedgerTotals& totals) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    // Volume list to "meter", mass list to "kilogram", without running their change handlers.
    virtual void ResetDisplayUnits() = 0;
    virtual void ShowWarning(const std::string& text) = 0;
};

// Where the density in force comes from: the material catalogue's selection step.
class DensitySource {
public:
    virtual ~DensitySource() = default;
    // The density the selection step would set, with nothing changed.
    virtual std::int32_t SelectedDensity() const = 0;
    // The selection step: sets CurrentDensity from the selected material and shows it.
    virtual void SelectMaterial() = 0;
};

enum class CalcGroup { Object, Aperture };

struct CalculationInput {
    const ShapeRule& Rule;
    std::span<const std::string_view> Texts; // parameter texts in parameter order
    std::int32_t Quantity = 1;
    std::string_view LengthUnitName;
};

// What one calculation adds: cubic metres and kilograms of all its pieces.
struct CalculationResult {
    double Volume = 0;
    double Mass = 0;
};

// Reads the parameter texts and computes one calculation with the given density, changing
// nothing. Empty when the texts or the values describe no solid (the ledger's warning case);
// throws ECalcError for a text that is not a number or a floating-point error.
std::optional<CalculationResult> ComputeCalculation(const CalculationInput& input, std::int32_t density);

// Running totals of objects and apertures with one step of undo. A calculation computes
// everything first and changes the ledger only when every step succeeded.
class Ledger {
public:
    explicit Ledger(LedgerView& view, DensitySource* density = nullptr) : m_view(view), m_density(density) {}
    // The density source usually holds a reference to CurrentDensity, so it is connected after both exist.
    void SetDensitySource(DensitySource* density) { m_density = density; }

    std::int32_t CurrentDensity = 0;
    LedgerTotals Totals;
    LedgerTotals UndoSnapshot;
    bool UndoAvailable = false;
    // What the last successful calculation added.
    CalculationResult LastResult;

    void ClearLedger();
    // True when the calculation was added; false when refused with the warning.
    // Throws ECalcError (conversion or floating-point error) leaving the ledger unchanged.
    bool CalculateObject(const CalculationInput& input) { return Calculate(CalcGroup::Object, input); }
    bool CalculateAperture(const CalculationInput& input) { return Calculate(CalcGroup::Aperture, input); }
    bool Calculate(CalcGroup group, const CalculationInput& input);
    void UndoLast();
    void ResetAll();

private:
    LedgerView& m_view;
    DensitySource* m_density;
};

// A density source with a fixed density, for scripts and tests.
class FixedDensity : public DensitySource {
public:
    explicit FixedDensity(std::int32_t& current, std::int32_t density = 0)
        : m_current(current), m_density(density) {}
    void Set(std::int32_t density) { m_density = density; }
    std::int32_t SelectedDensity() const override { return m_density; }
    void SelectMaterial() override { m_current = m_density; }

private:
    std::int32_t& m_current;
    std::int32_t m_density;
};

} // namespace volcalc
