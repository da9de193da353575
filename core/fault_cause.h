// Why a computation failed, in terms of its inputs.
//
// An ArithmeticFault names the step that failed. Where the inputs make the
// reason plain (nothing chosen in a list, a frequency, distance or dimension
// that is 0 or negative, a gap of 0 beside a magnetic source...), faultCause
// names the input to check, by its key in the calculation's field table, and
// the case in which it must be positive; or, where 0 would compute, that it
// must not be negative, so that the message says what is accepted. It decides the cause in one
// place for every front end; the windows put it into Chinese words, the command line into English
// ones. Where no plain cause is known it returns nothing, and the front end names the fault and its
// quantity.
#pragma once

#include "core/fault.h"
#include "core/inputs.h"

#include <optional>
#include <string_view>

namespace shieldcalc {

enum class CauseKind {
    NothingChosen,          // a list where nothing is chosen
    NotPositive,            // a number that is 0 or negative but must be positive
    Negative,               // a number below 0 where 0 itself computes
    WallReachesCentre,      // a box wall not thinner than the box's equivalent radius
    WallFarBeyondSkinDepth, // a box wall so thick that the SE leaves the range of numbers
};

// Where a number must be positive, when not in every case.
enum class CauseCase {
    Always,
    NearField,          // near a magnetic or an electric source (FaultCause::source)
    MultipleReflection, // for the multiple-reflection correction
    GapCorrection,      // for the term of the gap between two sheets
    ElectricThinWall,   // for a thin box wall near an electric source
};

struct FaultCause {
    CauseKind kind;
    std::string_view input; // key of the input to check: "f", "r1", "material2"
    float value = 0;        // NotPositive, Negative: the input's value
    CauseCase where = CauseCase::Always;
    SourceChoice source = std::nullopt; // the source of the computation
};

std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const SolidShieldInput& input,
                                     SourceChoice source);
std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const DoubleLayerInput& input,
                                     SourceChoice source);
std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const ApertureInput& input,
                                     SourceChoice source);
std::optional<FaultCause> faultCause(const ArithmeticFault& fault, const EnclosureInput& input,
                                     SourceChoice source);

} // namespace shieldcalc
