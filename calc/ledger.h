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
    // A rule without VolumePerPiece is a bar of this cross-section in mm² (a standard section),
    // its one parameter the length.
    double CrossSection = 0;
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
    // The density in force, in the density field.
    virtual void ShowDensity(std::int32_t density) = 0;
};

// The material selection the ledger reads its density from before the mass step of each
// calculation: the selected material's density, 0 with none selected.
class DensitySource {
public:
    virtual ~DensitySource() = default;
    virtual std::int32_t SelectedDensity() const = 0;
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
// throws CalculationError for a text that is not a number or a floating-point error.
std::optional<CalculationResult> ComputeCalculation(const CalculationInput& input, std::int32_t density);

// The totals a calculation would leave, computed before anything is changed: what
// Ledger::Calculate stores, so that a caller can check them first.
LedgerTotals TotalsAfter(LedgerTotals totals, CalcGroup group, const CalculationResult& result);

// Running totals of objects and apertures with one step of undo, and the density in force. A
// calculation computes everything first and changes the ledger only when every step succeeded.
class Ledger {
public:
    explicit Ledger(LedgerView& view) : m_view(view) {}

    std::int32_t CurrentDensity() const { return m_density; }
    const LedgerTotals& Totals() const { return m_totals; }
    bool UndoAvailable() const { return m_undoAvailable; }
    // What the last successful calculation added.
    const CalculationResult& LastResult() const { return m_lastResult; }

    // The one way the density in force changes; the view shows every change.
    void SetDensity(std::int32_t density);
    // Where each calculation takes its density from; without a source the density set stays in force.
    void SetDensitySource(const DensitySource* source) { m_source = source; }
    bool HasDensitySource() const { return m_source != nullptr; }
    // The density in force := the source's selected density (kept as it is without a source).
    void RefreshDensity();

    void ClearLedger();
    // True when the calculation was added; false when refused with the warning.
    // Throws CalculationError (conversion or floating-point error) leaving the ledger unchanged.
    bool Calculate(CalcGroup group, const CalculationInput& input);
    void UndoLast();
    void ResetAll();

private:
    std::int32_t DensityToUse() const { return m_source ? m_source->SelectedDensity() : m_density; }

    LedgerView& m_view;
    const DensitySource* m_source = nullptr;
    std::int32_t m_density = 0;
    LedgerTotals m_totals;
    LedgerTotals m_undoSnapshot;
    bool m_undoAvailable = false;
    CalculationResult m_lastResult;
};

} // namespace volcalc
