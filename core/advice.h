// Validity advice: where the handbook number of a computation should not be
// taken at its word.
//
// validityAdvice looks at an input record, its field source and its results
// (the handbook SE and the reference model's SE, either of which may be
// absent) and returns the advice items that apply, warnings first. Each item
// carries a stable code, its severity and its numbers; adviceInfo gives the
// code's key and the names of its numbers. The words are the front ends'
// business: the windows say them in Chinese, the command line in English.
#pragma once

#include "core/inputs.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace shieldcalc {

enum class Severity { Note, Warning };

enum class AdviceCode {
    // warnings
    NegativeSE,          // the handbook SE is below 0 dB
    ReferenceDiffers,    // handbook and reference model differ by more than 6 dB
    FarFromSource,       // a near-field source beyond lambda / 2 pi: the plane wave applies
    LowAbsorption,       // a magnetic source and less than 3 dB of absorption
    HoleNotSmall,        // a hole width or diameter of a quarter wavelength or more
    NearHoleCutoff,      // a frequency above half the hole's waveguide cut-off
    NearCavityResonance, // a box with a slot: SE below 0 dB, a lossless cavity's dip
    BeyondSingleMode,    // a box with a slot: above the cut-off of the box's next mode
    // notes
    BeyondMeasurement,        // an SE above 120 dB: seams and openings dominate real shields
    IronPermeabilityFixed,    // iron's permeability fixed per band, no saturation
    BoxOpeningsIgnored,       // a closed box: openings and seams are not modelled
    LongSlot,                 // a slot of half a wavelength or more
    HoleReferenceNearField,   // no hole-array reference: it is for the plane wave
    HoleReferenceNotSquare,   // no hole-array reference: rectangular holes that are not square
    HoleReferenceAboveCutoff, // no hole-array reference: at or above the holes' cut-off
};

inline constexpr double kNegativeSeDb = 0;
inline constexpr double kReferenceToleranceDb = 6;
inline constexpr double kLowAbsorptionDb = 3;
inline constexpr double kMeasurableSeDb = 120;

struct AdviceInfo {
    AdviceCode code;
    std::string_view key; // stable: "reference_differs"
    Severity severity;
    std::array<std::string_view, 3>
        valueNames; // of the item's numbers, in order; empty when unused
};

const AdviceInfo& adviceInfo(AdviceCode code);

struct Advice {
    AdviceCode code;
    Severity severity;
    std::array<double, 3> values{}; // named by adviceInfo(code).valueNames

    friend bool operator==(const Advice&, const Advice&) = default;
};

// What a computation gave: absent where it faulted or has no model.
struct Results {
    std::optional<double> handbook;
    std::optional<double> reference;
};

std::vector<Advice> validityAdvice(const SolidShieldInput& input, SourceChoice source,
                                   const Results& results);
std::vector<Advice> validityAdvice(const DoubleLayerInput& input, SourceChoice source,
                                   const Results& results);
std::vector<Advice> validityAdvice(const ApertureInput& input, SourceChoice source,
                                   const Results& results);
std::vector<Advice> validityAdvice(const EnclosureInput& input, SourceChoice source,
                                   const Results& results);

} // namespace shieldcalc
