#include "io/wording.h"

#include <charconv>
#include <cmath>

namespace shieldcalc::io {

std::string_view sourceWord(SourceChoice source) {
    for (const SourceWord& entry : kSourceWords) {
        if (entry.source == source) {
            return entry.word;
        }
    }
    return kNoneWord;
}

namespace {

std::string caseText(const FaultCause& cause) {
    switch (cause.where) {
    case CauseCase::Always:
        return {};
    case CauseCase::NearField:
        return cause.source == FieldSource::MagneticSource   ? " for a magnetic source"
               : cause.source == FieldSource::ElectricSource ? " for an electric source"
                                                             : " near the source";
    case CauseCase::MultipleReflection:
        return " for the multiple-reflection correction";
    case CauseCase::GapCorrection:
        return " for the correction of the gap between the sheets";
    case CauseCase::ElectricThinWall:
        return " for a thin wall near an electric source";
    }
    return {};
}

// A number of an advice text: five significant digits.
std::string approx(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 5).ptr;
    return std::string(buffer, end);
}

} // namespace

std::string causeText(const FaultCause& cause, std::string_view term) {
    const std::string name(term);
    switch (cause.kind) {
    case CauseKind::NothingChosen:
        return "no " + name + " is chosen";
    case CauseKind::NotPositive:
        return "the " + name + " must be greater than 0" + caseText(cause);
    case CauseKind::Negative:
        return "the " + name + " must not be negative";
    case CauseKind::WallReachesCentre:
        return "the " + name + " must be less than the radius of the sphere of the box's volume";
    case CauseKind::WallFarBeyondSkinDepth:
        return "the " + name + " is so far beyond the skin depth that the SE is out of range";
    }
    return {};
}

std::string adviceText(const Advice& item) {
    const auto& v = item.values;
    std::string text = item.severity == Severity::Warning ? "warning: " : "note: ";
    switch (item.code) {
    case AdviceCode::NegativeSE:
        return text + "the SE is below 0 dB (" + approx(v[0]) +
               " dB): the formula is outside its range";
    case AdviceCode::ReferenceDiffers:
        return text + "the handbook formula is " + approx(std::fabs(v[2])) + " dB " +
               (v[2] > 0 ? "above" : "below") + " the reference model";
    case AdviceCode::FarFromSource:
        return text + "the source is farther than lambda/2pi (" + approx(v[0]) + " cm > " +
               approx(v[1]) + " cm): the plane wave applies there";
    case AdviceCode::LowAbsorption:
        return text + "a magnetic source and only " + approx(v[0]) +
               " dB of absorption: the reflection loss is optimistic";
    case AdviceCode::HoleNotSmall:
        return text + "the hole (" + approx(v[0]) + " cm) is a quarter wavelength (" +
               approx(v[1]) + " cm) or more";
    case AdviceCode::NearHoleCutoff:
        return text + "the frequency (" + approx(v[0]) +
               " kHz) is above half the hole's waveguide cut-off (" + approx(v[1]) + " kHz)";
    case AdviceCode::HoleReferenceNearField:
        return text + "no hole-array reference: it models the plane wave, not a near-field source";
    case AdviceCode::HoleReferenceNotSquare:
        return text + "no hole-array reference: it models circular and square holes (w^2 = " +
               approx(v[0] * v[0]) + " cm*cm, hole area " + approx(v[1]) + " cm*cm)";
    case AdviceCode::HoleReferenceAboveCutoff:
        return text + "no hole-array reference at or above the holes' cut-off (" + approx(v[0]) +
               " kHz >= " + approx(v[1]) + " kHz)";
    case AdviceCode::BeyondMeasurement:
        return text + "an SE above 120 dB (" + approx(v[0]) +
               " dB) is beyond what measurement confirms; seams and openings dominate real "
               "shields";
    case AdviceCode::IronPermeabilityFixed:
        return text + "iron's relative permeability is fixed at " + approx(v[0]) +
               " in this band: it does not depend on the field strength and does not saturate";
    case AdviceCode::BoxOpeningsIgnored:
        return text + "the closed-box model ignores openings and seams";
    case AdviceCode::NearCavityResonance:
        return text + "near a cavity resonance (" + approx(v[1]) + " MHz; SE " + approx(v[0]) +
               " dB): contents and wall losses limit the dip";
    case AdviceCode::BeyondSingleMode:
        return text + "the frequency (" + approx(v[0]) +
               " MHz) is above the cut-off of the box's next mode (" + approx(v[1]) +
               " MHz): the single-mode model no longer holds";
    case AdviceCode::LongSlot:
        return text + "the slot (" + approx(v[0]) + " cm) is half a wavelength (" + approx(v[1]) +
               " cm) or longer: it resonates";
    }
    return text;
}

std::string adviceCodes(std::span<const Advice> advice) {
    std::string codes;
    for (const Advice& item : advice) {
        if (!codes.empty()) {
            codes += ';';
        }
        codes += adviceInfo(item.code).key;
    }
    return codes;
}

} // namespace shieldcalc::io
