// Reference models: the exact or textbook theory beside each handbook formula.
//
// The handbook computations are closed-form approximations that hold only in
// part of their range. The reference models here solve the same geometry with
// the underlying field theory, in SI units and complex arithmetic, so that a
// front end can show both numbers and warn where they part:
//   - a single sheet against the plane wave or an electric source:
//     normal-incidence transmission through a conducting slab
//     (transmission-line form), with the wave impedance of the source, Z = eta0
//     for the plane wave and 1 / (j omega eps0 r) for an electric source;
//   - a double layer against those sources: the chain (ABCD) matrices of
//     sheet 1, the air gap and sheet 2, with Z as above at the distance r1;
//   - a single sheet or a double layer against a magnetic source: the field of
//     a small loop on the axis of a small coaxial receiving loop, the source r
//     (r1) before the stack and the receiver a distance behind it (by default
//     as far as the source), through an infinite flat stack of sheets and gaps
//     (Moser, IEEE Trans. EMC 9, 1967; Bannister, IEEE Trans. EMC 10, 1968):
//       SE = 20 log10( [2 / d^3] / |int_0^inf lambda^2 T(lambda) e^(-lambda h) dlambda| ),
//     d the distance between the loops, h the part of it in front of and
//     behind the stack, T(lambda) = 2 / (A + B lambda + C / lambda + D) from
//     the chain matrices [[cosh tau t, Z sinh tau t], [sinh tau t / Z,
//     cosh tau t]] of the layers, tau = sqrt(lambda^2 + j omega mu0 muR sigma),
//     Z = muR / tau (a gap: sigma = 0, muR = 1). Valid where the loops are
//     small beside their distances and the distances small beside
//     lambda / 2 pi (quasi-static: the displacement current is neglected),
//     for linear materials. The integral is formed by Gauss-Laguerre
//     quadrature with each layer's attenuation factored out, so walls
//     thousands of skin depths thick give their absorption without overflow;
//   - a closed box: the sphere of equal volume, as a thin shell against a
//     magnetic source and as a quasi-static conducting shell against an
//     electric one;
//   - a perforated sheet against the plane wave, with circular holes or
//     square ones (w^2 = a within 1 %): a thin perfectly conducting screen
//     with n small holes per unit area, each of magnetic polarisability
//     alpha = D^3 / 6 (circle; Bethe, Phys. Rev. 66, 1944) or 0.2590 s^3
//     (square of side s; De Meulenaere and Van Bladel, IEEE Trans. AP 25,
//     1977), transmitting |T|^2 = x^2 / (1 + x^2), x = 2 k n alpha (Otoshi,
//     IEEE Trans. MTT 20, 1972), so SE = 10 log10(1 + 1 / x^2), plus the
//     attenuation of the hole depth t as a waveguide below its cut-off fc,
//     20 log10(e) (2 pi / c) sqrt(fc^2 - f^2) t. Valid below the cut-off of
//     the holes; holeArrayLimit says why there is none elsewhere.
// Conductivity is sigmaR times that of copper, 5.8e7 S/m. Walls many skin
// depths thick are evaluated with e^(gamma t) factored out, so nothing
// overflows. Where a model cannot be formed (no source, no material, a
// frequency, distance or dimension that is not positive, a wall as thick as
// the box) the value is absent; the functions never throw.
#pragma once

#include "core/inputs.h"

#include <optional>
#include <type_traits>

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

// The reference models' geometry beyond the handbook inputs.
struct ReferenceGeometry {
    // Distance of the receiving loop behind the shield, cm, for the magnetic
    // source; 0 puts it on the shield. Absent: as far behind the shield as
    // the source is before it.
    std::optional<float> receiverCm;
};

// Whether the reference model of an input record reads the receiver's
// distance: the coaxial loops of the solid sheet and the double layer.
template <class Input>
inline constexpr bool kHasReceiver =
    std::is_same_v<Input, SolidShieldInput> || std::is_same_v<Input, DoubleLayerInput>;

// SE in dB by the reference model of each calculation; absent where there is
// none or it cannot be formed. Only the loop-source model reads the geometry.
std::optional<double> referenceSE(const SolidShieldInput& input, SourceChoice source,
                                  const ReferenceGeometry& geometry = {});
std::optional<double> referenceSE(const DoubleLayerInput& input, SourceChoice source,
                                  const ReferenceGeometry& geometry = {});
std::optional<double> referenceSE(const ApertureInput& input, SourceChoice source,
                                  const ReferenceGeometry& geometry = {});
std::optional<double> referenceSE(const EnclosureInput& input, SourceChoice source,
                                  const ReferenceGeometry& geometry = {});

// The lowest waveguide cut-off of a hole, in Hz: 1.8412 c / (pi D) for a
// circle of diameter D, c / (2 w) for a rectangle of width w (in cm).
double holeCutoffHertz(HoleShape shape, double sizeCm);

// Why the hole-array model gives no value for a perforated sheet whose inputs
// could otherwise form one.
enum class HoleArrayLimit {
    NearField,   // a near-field source: the model is for the plane wave
    NotSquare,   // rectangular holes that are not square: w^2 differs from a by more than 1 %
    AboveCutoff, // the frequency is at or above the holes' cut-off
};
std::optional<HoleArrayLimit> holeArrayLimit(const ApertureInput& input, SourceChoice source);

} // namespace shieldcalc
