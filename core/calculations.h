// The registry of the calculations in the engine.
//
// A Calculation ties a calculation's name to its summary, its field table
// (core/fields.h), its computation and the field sources it accepts; the
// unit of its frequency is its input record's kFrequencyUnit. The command
// line names its sub-commands, options and batch columns after the entries
// here, the text formats (io/) write their records through them, and the
// windows find the calculation of a computation on screen by its input
// record. kCalculations lists every entry in the order in which help texts
// show them; withCalculation and forEachCalculation hand each entry, with
// its own input and result types, to a generic visitor, so that adding a
// calculation is adding its entry to kCalculations.
#pragma once

#include "core/fields.h"
#include "core/inputs.h"
#include "core/shielding.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace shieldcalc {

inline constexpr FieldSource kAllSources[] = {
    FieldSource::PlaneWave,
    FieldSource::MagneticSource,
    FieldSource::ElectricSource,
};
// The closed box faces only the two near-field sources.
inline constexpr FieldSource kNearFieldSources[] = {
    FieldSource::MagneticSource,
    FieldSource::ElectricSource,
};

template <class Input, class Result> struct Calculation {
    using InputType = Input;
    using ResultType = Result;

    std::string_view name;    // the sub-command and the batch rows' "calculation": "solid"
    std::string_view summary; // what it computes, in English, for the help texts
    std::span<const Field<Input>> fields;
    Result (*compute)(const Input&, SourceChoice);
    std::span<const FieldSource> sources; // the sources it accepts, besides none
    std::string_view sourceMetavar;       // the source's value in a usage line: "S"
    std::string_view sourceHelp;          // what the source is, in English, for the help texts
};

inline constexpr std::string_view kSourceHelp = "field source: plane, magnetic, electric or none";

inline constexpr Calculation<SolidShieldInput, double> kSolidSheet{
    "solid",    "a solid single-layer sheet", kSolidShieldFields, solidShieldSE, kAllSources, "S",
    kSourceHelp};
inline constexpr Calculation<ApertureInput, double> kPerforatedSheet{
    "aperture",      "a sheet perforated by an array of identical holes",
    kApertureFields, apertureSE,
    kAllSources,     "S",
    kSourceHelp};
inline constexpr Calculation<DoubleLayerInput, float> kDoubleSheet{
    "double",           "two solid sheets with a gap between them",
    kDoubleLayerFields, doubleLayerSE,
    kAllSources,        "S",
    kSourceHelp};
inline constexpr Calculation<EnclosureInput, float> kClosedBox{
    "enclosure",
    "a closed rectangular box",
    kEnclosureFields,
    enclosureSE,
    kNearFieldSources,
    "{magnetic|electric|none}",
    "near-field source: magnetic, electric or none"};

// The box with a slot faces the plane wave alone.
inline constexpr FieldSource kPlaneWaveOnly[] = {FieldSource::PlaneWave};
inline constexpr Calculation<BoxSlotInput, BoxSlotResult> kBoxWithSlot{
    "box-slot",
    "a rectangular box with slots in one wall, at a point inside it (electric and magnetic)",
    kBoxSlotFields,
    boxSlot,
    kPlaneWaveOnly,
    "{plane|none}",
    "field source: plane (the plane wave; also when left out or none)"};

// Every calculation, in the order of the help texts.
inline constexpr std::tuple kCalculations{&kSolidSheet, &kPerforatedSheet, &kDoubleSheet,
                                          &kClosedBox, &kBoxWithSlot};

// Calls visit with each calculation in turn.
template <class Visit> constexpr void forEachCalculation(Visit visit) {
    std::apply([&](const auto*... calculation) { (visit(*calculation), ...); }, kCalculations);
}

// Calls visit with the calculation named name; false when there is none.
template <class Visit> constexpr bool withCalculation(std::string_view name, Visit visit) {
    bool found = false;
    forEachCalculation([&](const auto& calculation) {
        if (!found && calculation.name == name) {
            found = true;
            visit(calculation);
        }
    });
    return found;
}

// The calculation whose input record is Input.
template <class Input, std::size_t I = 0> constexpr const auto& calculationOf() {
    const auto& calculation = *std::get<I>(kCalculations);
    if constexpr (std::is_same_v<typename std::remove_cvref_t<decltype(calculation)>::InputType,
                                 Input>) {
        return calculation;
    } else {
        return calculationOf<Input, I + 1>();
    }
}

} // namespace shieldcalc
