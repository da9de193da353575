#include "core/fault.h"

namespace shieldcalc {

std::string_view faultKindName(FaultKind kind) {
    switch (kind) {
    case FaultKind::DivisionByZero:
        return "division by zero";
    case FaultKind::ZeroByZero:
        return "zero divided by zero";
    case FaultKind::Overflow:
        return "overflow";
    case FaultKind::SingleRangeExceeded:
        return "value beyond single precision";
    case FaultKind::LogOfNonPositive:
        return "logarithm of a number that is not positive";
    case FaultKind::SqrtOfNegative:
        return "square root of a negative number";
    case FaultKind::UndefinedPower:
        return "undefined power";
    case FaultKind::NonFiniteInput:
        return "input that is not a finite number";
    }
    return "arithmetic fault";
}

std::string_view quantityName(Quantity quantity) {
    switch (quantity) {
    case Quantity::Input:
        return "input";
    case Quantity::AbsorptionLoss:
        return "absorption loss";
    case Quantity::ReflectionLoss:
        return "reflection loss";
    case Quantity::SheetImpedance:
        return "sheet impedance";
    case Quantity::WaveImpedance:
        return "wave impedance";
    case Quantity::ImpedanceRatio:
        return "impedance ratio";
    case Quantity::ReflectionCoefficient:
        return "reflection coefficient";
    case Quantity::MultipleReflectionCorrection:
        return "multiple-reflection correction";
    case Quantity::SourceDistance:
        return "distance from the source";
    case Quantity::GapCorrection:
        return "gap correction";
    case Quantity::HoleAttenuation:
        return "hole attenuation";
    case Quantity::Wavelength:
        return "wavelength";
    case Quantity::HoleRatio:
        return "hole reflection ratio";
    case Quantity::HoleReflection:
        return "hole reflection term";
    case Quantity::HoleMultipleReflection:
        return "hole multiple-reflection term";
    case Quantity::HoleCountCorrection:
        return "hole-count correction";
    case Quantity::SkinDepthFactor:
        return "skin-depth factor";
    case Quantity::ConductorWidthCorrection:
        return "conductor-width correction";
    case Quantity::CouplingCorrection:
        return "hole-coupling correction";
    case Quantity::FrequencyInHertz:
        return "frequency in hertz";
    case Quantity::DimensionsInMetres:
        return "dimensions in metres";
    case Quantity::SkinDepth:
        return "skin depth";
    case Quantity::EquivalentRadius:
        return "equivalent radius";
    case Quantity::WallDistance:
        return "distance to the wall";
    case Quantity::StaticFactor:
        return "static shielding factor";
    case Quantity::EddyCurrentTerm:
        return "eddy-current term";
    case Quantity::ElectricTerm:
        return "electric field ratio";
    case Quantity::SlotLineImpedance:
        return "slot-line impedance";
    case Quantity::ApertureImpedance:
        return "aperture impedance";
    case Quantity::CavityField:
        return "field inside the box";
    case Quantity::ShieldingEffectiveness:
        return "shielding effectiveness";
    }
    return "computation";
}

namespace {

std::string describe(FaultKind kind, Quantity quantity, int sheet) {
    std::string text(faultKindName(kind));
    text += " in ";
    text += quantityName(quantity);
    if (sheet == 1)
        text += " of the first sheet";
    else if (sheet == 2)
        text += " of the second sheet";
    return text;
}

} // namespace

ArithmeticFault::ArithmeticFault(FaultKind kind, Quantity quantity, int sheet)
    : std::runtime_error(describe(kind, quantity, sheet)), kind_(kind), quantity_(quantity),
      sheet_(sheet) {}

} // namespace shieldcalc
