#include "core/fault_cause.h"

#include "core/fields.h"
#include "core/sheet.h"

#include <array>

namespace shieldcalc {

namespace {

FaultCause nothingChosen(std::string_view input) {
    return {CauseKind::NothingChosen, input};
}

FaultCause notPositive(std::string_view input, float value, CauseCase where = CauseCase::Always,
                       SourceChoice source = std::nullopt) {
    return {CauseKind::NotPositive, input, value, where, source};
}

bool nearField(SourceChoice source) {
    return source != FieldSource::PlaneWave;
}

// Whether the sheet computes with no thickness at all, as it does for a
// plane wave or an electric source but not always near a magnetic one.
bool computesWithoutThickness(SolidShieldInput input, SourceChoice source) {
    input.l = 0;
    try {
        solidShieldSE(input, source);
        return true;
    } catch (const ArithmeticFault&) {
        return false;
    }
}

} // namespace

std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const SolidShieldInput& input,
                                     SourceChoice source) {
    if (!input.material.chosen())
        return nothingChosen("material");
    if (input.f <= 0)
        return notPositive(kFrequencyKey, input.f);
    if (nearField(source) && input.r <= 0)
        return notPositive("r", input.r, CauseCase::NearField, source);
    if (fault.quantity() == Quantity::MultipleReflectionCorrection && input.l < 0 &&
        computesWithoutThickness(input, source))
        return FaultCause{CauseKind::Negative, "l", input.l};
    if (fault.quantity() == Quantity::MultipleReflectionCorrection && input.l <= 0)
        return notPositive("l", input.l, CauseCase::MultipleReflection);
    return std::nullopt;
}

std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const DoubleLayerInput& input,
                                     SourceChoice source) {
    if (fault.sheet() == 1 && !input.material1.chosen())
        return nothingChosen("material1");
    if (fault.sheet() == 2 && !input.material2.chosen())
        return nothingChosen("material2");
    if (input.f <= 0)
        return notPositive(kFrequencyKey, input.f);
    if (fault.sheet() == 1 && nearField(source) && input.r1 <= 0)
        return notPositive("r1", input.r1, CauseCase::NearField, source);
    // With r2 = 0 the gap term takes the logarithm of 1 - rho1 * rho2, which
    // is 0 when both sheets reflect fully, as they do near a magnetic source.
    if (fault.quantity() == Quantity::GapCorrection && input.r2 <= 0)
        return notPositive("r2", input.r2, CauseCase::GapCorrection);
    return std::nullopt;
}

std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const ApertureInput& input,
                                     SourceChoice source) {
    const bool rectangular = input.shape == static_cast<ListIndex>(HoleShape::RectangularHole);
    const bool circular = input.shape == static_cast<ListIndex>(HoleShape::CircularHole);
    switch (fault.quantity()) {
    case Quantity::HoleAttenuation: // l / w or l / D
        if (rectangular && input.w == 0)
            return notPositive("w", input.w);
        if (circular && input.D == 0)
            return notPositive("D", input.D);
        break;
    case Quantity::Wavelength: // the electric source's 3e8 / f
        if (input.f == 0)
            return notPositive(kFrequencyKey, input.f);
        break;
    case Quantity::HoleRatio:      // D / r with the magnetic source
    case Quantity::HoleReflection: // the logarithm of k = 0
        if (!nearField(source) && input.f == 0)
            return notPositive(kFrequencyKey, input.f);
        if (nearField(source) && input.r == 0)
            return notPositive("r", input.r, CauseCase::NearField, source);
        break;
    case Quantity::HoleCountCorrection: // the logarithm of a * n
        if (input.a <= 0)
            return notPositive("a", input.a);
        if (input.n <= 0)
            return notPositive("n", input.n);
        break;
    case Quantity::SkinDepthFactor: // the square root of f * muR * sigmaR
        if (input.f < 0)
            return notPositive(kFrequencyKey, input.f);
        break;
    case Quantity::ConductorWidthCorrection: // (b * skin-depth factor)^-2.3
        if (!input.material.chosen())
            return nothingChosen("material");
        if (input.f == 0)
            return notPositive(kFrequencyKey, input.f);
        if (input.b <= 0)
            return notPositive("b", input.b);
        break;
    case Quantity::CouplingCorrection: // coth(A / 8.686), A = 0 without a hole
        if (!rectangular && !circular)
            return nothingChosen("shape");
        if (input.l <= 0)
            return notPositive("l", input.l);
        if (rectangular && input.w < 0)
            return notPositive("w", input.w);
        if (circular && input.D < 0)
            return notPositive("D", input.D);
        break;
    default:
        break;
    }
    return std::nullopt;
}

namespace {

// The first of the box's dimensions that is 0 (or negative).
std::optional<FaultCause> flatDimension(const EnclosureInput& input, bool negative) {
    const std::array<std::pair<std::string_view, float>, 3> dimensions{{
        {"a", input.a},
        {"b", input.b},
        {"h", input.h},
    }};
    for (const auto& [key, value] : dimensions) {
        if (negative ? value < 0 : value == 0)
            return notPositive(key, value);
    }
    return std::nullopt;
}

} // namespace

std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const EnclosureInput& input,
                                     SourceChoice source) {
    switch (fault.quantity()) {
    case Quantity::SkinDepth: // 1 / sqrt(F * muR * sigmaR)
        if (!input.material.chosen())
            return nothingChosen("material");
        if (input.f <= 0)
            return notPositive(kFrequencyKey, input.f);
        break;
    case Quantity::EquivalentRadius: // the cube root of a negative volume
        return flatDimension(input, true);
    case Quantity::StaticFactor: // divided by the radius 0 of a flat box
        return flatDimension(input, false);
    case Quantity::ElectricTerm: // the thin-wall formula divides by l
        if (input.l == 0)
            return notPositive("l", input.l, CauseCase::ElectricThinWall);
        break;
    case Quantity::ShieldingEffectiveness: // the logarithms of the last step
        if (auto flat = flatDimension(input, false))
            return flat; // a flat box: the electric term is 0
        if (input.l < 0)
            return notPositive("l", input.l);
        if (source == FieldSource::MagneticSource && fault.kind() == FaultKind::LogOfNonPositive)
            return FaultCause{CauseKind::WallReachesCentre, "l", input.l};
        if (fault.kind() == FaultKind::Overflow || fault.kind() == FaultKind::LogOfNonPositive)
            // e^(l / skin depth) too large for a number, or its inverse 0
            return FaultCause{CauseKind::WallFarBeyondSkinDepth, "l", input.l};
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace shieldcalc
