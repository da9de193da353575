// Plain input records of the four computations.
//
// A front end converts what the user typed into these records (numbers in
// single precision, exactly as entered and in the units of the form) and
// passes the field source beside them. Each record declares the unit of its
// frequency f once, as kFrequencyUnit; everything that needs the unit reads it
// there. A list index of -1 means that nothing is chosen in that drop-down
// list, and so does a MaterialChoice that names neither a list entry nor a
// material of the user's own; the computations accept it and fail, with an
// ArithmeticFault, at the first formula that cannot be evaluated without it.
#pragma once

#include "core/materials.h"

#include <cstdint>
#include <optional>

namespace shieldcalc {

// The kind of source the shield faces. "No source chosen" is std::nullopt.
enum class FieldSource {
    PlaneWave,      // far field
    MagneticSource, // near field of a low-impedance magnetic source
    ElectricSource, // near field of a high-impedance electric source
};
using SourceChoice = std::optional<FieldSource>;

// List indexes of the hole-shape list of the aperture calculator.
enum class HoleShape : std::int16_t {
    RectangularHole = 0,
    CircularHole = 1,
};

// A solid single-layer sheet.
struct SolidShieldInput {
    static constexpr FrequencyUnit kFrequencyUnit = FrequencyUnit::MHz; // the unit of f
    float f = 0;                                                        // frequency, MHz
    float l = 0;                                                        // wall thickness, cm
    float r = 0; // distance from the source, cm (0 when not given)
    MaterialChoice material;
};

// Two parallel sheets with a gap between them.
struct DoubleLayerInput {
    static constexpr FrequencyUnit kFrequencyUnit = FrequencyUnit::kHz; // the unit of f
    float f = 0;                                                        // frequency, kHz
    float l1 = 0; // thickness of the first sheet, cm
    float r1 = 0; // distance from the source to the first sheet, cm
    MaterialChoice material1;
    float l2 = 0; // thickness of the second sheet, cm
    float r2 = 0; // distance between the sheets, cm
    MaterialChoice material2;
};

// A sheet perforated by an array of identical holes.
struct ApertureInput {
    static constexpr FrequencyUnit kFrequencyUnit = FrequencyUnit::kHz; // the unit of f
    ListIndex shape = kNoChoice;                                        // a HoleShape value, or -1
    MaterialChoice material;
    float l = 0; // hole depth, cm
    float f = 0; // frequency, kHz
    float D = 0; // diameter of a circular hole, cm
    float r = 0; // distance from the source, cm
    float a = 0; // area of one hole, cm*cm
    float b = 0; // width of conductor between neighbouring holes, cm
    float n = 0; // holes per square centimetre
    float w = 0; // width of a rectangular hole across the electric field, cm
};

// A closed rectangular box.
struct EnclosureInput {
    static constexpr FrequencyUnit kFrequencyUnit = FrequencyUnit::kHz; // the unit of f
    float f = 0;                                                        // frequency, kHz
    float l = 0;                                                        // wall thickness, cm
    float a = 0;                                                        // length, cm
    float b = 0;                                                        // width, cm
    float h = 0;                                                        // height, cm
    MaterialChoice material;
};

} // namespace shieldcalc
