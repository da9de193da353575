// Reference models: the exact or textbook theory beside each handbook formula.
//
// The handbook computations are closed-form approximations that hold only in
// part of their range. The reference models here solve the same geometry with
// the underlying field theory, in SI units and complex arithmetic, so that a
// front end can show both numbers and warn where they part:
//   - a single sheet: normal-incidence transmission through a conducting slab
//     (transmission-line form), with the wave impedance of the source, Z = eta0
//     for the plane wave, j omega mu0 r for a magnetic and 1 / (j omega eps0 r)
//     for an electric source;
//   - a double layer: the chain (ABCD) matrices of sheet 1, the air gap and
//     sheet 2, with Z as above at the distance r1;
//   - a closed box: the sphere of equal volume, as a thin shell against a
//     magnetic source and as a quasi-static conducting shell against an
//     electric one;
//   - a perforated sheet: none.
// Conductivity is sigmaR times that of copper, 5.8e7 S/m. Walls many skin
// depths thick are evaluated with e^(gamma t) factored out, so nothing
// overflows. Where a model cannot be formed (no source, no material, a
// frequency, distance or dimension that is not positive, a wall as thick as
// the box) the value is absent; the functions never throw.
#pragma once

#include "core/inputs.h"

#include <optional>

namespace shieldcalc {

inline constexpr double kCopperConductivity = 5.8e7;                         // S/m
inline constexpr double kVacuumPermeability = 4e-7 * 3.14159265358979323846; // H/m
inline constexpr double kVacuumPermittivity = 8.854187817e-12;               // F/m

// The speed of light, 1 / sqrt(mu0 eps0), in m/s.
double speedOfLight();

// A frequency as entered, in Hz.
constexpr double inHertz(float f, FrequencyUnit unit) {
    return f * (unit == FrequencyUnit::MHz ? 1e6 : 1e3);
}

// SE in dB by the reference model of each calculation; absent where there is
// none or it cannot be formed.
std::optional<double> referenceSE(const SolidShieldInput& input, SourceChoice source);
std::optional<double> referenceSE(const DoubleLayerInput& input, SourceChoice source);
std::optional<double> referenceSE(const ApertureInput& input, SourceChoice source);
std::optional<double> referenceSE(const EnclosureInput& input, SourceChoice source);

} // namespace shieldcalc
