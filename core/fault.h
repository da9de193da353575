// Arithmetic faults of the shielding computations.
//
// Every computation in the core checks each arithmetic step as it is taken.
// The first step whose result would be a division by zero, an overflow, or an
// invalid operation (0/0, the logarithm of a number that is not positive, the
// square root of a negative number, an undefined real power) stops the
// computation by throwing ArithmeticFault. The fault names what went wrong
// (kind) and the quantity that was being computed, so that a front end can
// tell the user where to look. No NaN or infinity ever leaves the core.
// Underflow to zero is not a fault.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace shieldcalc {

enum class FaultKind {
    DivisionByZero,      // x / 0 with x != 0
    ZeroByZero,          // 0 / 0
    Overflow,            // a finite result too large for double precision
    SingleRangeExceeded, // a stored value too large for single precision
    LogOfNonPositive,    // ln(x) with x <= 0
    SqrtOfNegative,      // sqrt(x) with x < 0
    UndefinedPower,      // x^y with no real value (0^negative, negative^fraction)
    NonFiniteInput,      // an input that is infinite or not a number
};

// The quantity under computation when a fault happened.
enum class Quantity {
    Input,
    // single sheet and double layer
    AbsorptionLoss,
    ReflectionLoss,
    SheetImpedance,
    WaveImpedance,
    ImpedanceRatio,
    ReflectionCoefficient,
    MultipleReflectionCorrection,
    SourceDistance, // distance from the source to the second sheet
    GapCorrection,
    // aperture array
    HoleAttenuation,
    Wavelength,
    HoleRatio, // the ratio k that sets the reflection at a hole
    HoleReflection,
    HoleMultipleReflection,
    HoleCountCorrection,
    SkinDepthFactor,
    ConductorWidthCorrection,
    CouplingCorrection,
    // enclosure
    FrequencyInHertz,
    DimensionsInMetres,
    SkinDepth,
    EquivalentRadius,
    WallDistance,
    StaticFactor,
    EddyCurrentTerm,
    ElectricTerm,
    // box with a slot
    SlotLineImpedance,
    ApertureImpedance,
    CavityField, // the field inside the box, at the observation point
    // every calculation
    ShieldingEffectiveness,
};

// English names: "division by zero", "reflection loss".
std::string_view faultKindName(FaultKind kind);
std::string_view quantityName(Quantity quantity);

class ArithmeticFault : public std::runtime_error {
public:
    // sheet: 1 or 2 for a quantity of one sheet of a double layer, 0 otherwise.
    ArithmeticFault(FaultKind kind, Quantity quantity, int sheet = 0);

    FaultKind kind() const { return kind_; }
    Quantity quantity() const { return quantity_; }
    int sheet() const { return sheet_; }

    // The same fault, attributed to one sheet of a double layer.
    ArithmeticFault inSheet(int sheet) const { return ArithmeticFault(kind_, quantity_, sheet); }

private:
    FaultKind kind_;
    Quantity quantity_;
    int sheet_;
};

} // namespace shieldcalc
