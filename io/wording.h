// The English words of the engine's reasons: field sources, fault causes and
// validity advice, as the command line and its files say them.
//
// The engine gives codes and numbers (core/fault_cause.h, core/advice.h);
// these functions turn them into the English that the text formats write:
// a source as its word ("plane"), a fault as its plain cause naming the input
// by its term where the engine knows one, else as the fault and its quantity,
// an advice item as a sentence or as its code.
#pragma once

#include "core/advice.h"
#include "core/fault.h"
#include "core/fault_cause.h"
#include "core/fields.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shieldcalc::io {

struct SourceWord {
    FieldSource source;
    std::string_view word; // as typed after --source and in a batch row: "plane"
};
inline constexpr SourceWord kSourceWords[] = {
    {FieldSource::PlaneWave, "plane"},
    {FieldSource::MagneticSource, "magnetic"},
    {FieldSource::ElectricSource, "electric"},
};
// The word of a choice left open: no source, no material, no shape.
inline constexpr std::string_view kNoneWord = "none";

std::string_view sourceWord(SourceChoice source);

// The plain cause in English, naming the input by its term: "the distance r
// must be greater than 0 for a magnetic source".
std::string causeText(const FaultCause& cause, std::string_view term);

// The English words for a fault: its plain cause, where there is one.
template <class Input>
std::string faultMessage(const ArithmeticFault& fault, const std::optional<FaultCause>& cause,
                         std::span<const Field<Input>> fields) {
    const Field<Input>* input = cause ? findField(fields, cause->input) : nullptr;
    return input == nullptr ? fault.what() : causeText(*cause, input->term);
}

// An advice item in English: "warning: ...", "note: ...".
std::string adviceText(const Advice& item);
// The codes, separated by ";".
std::string adviceCodes(std::span<const Advice> advice);

} // namespace shieldcalc::io
