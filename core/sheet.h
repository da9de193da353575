// Single-sheet formulas and the solid-shield computation.
//
// The shielding effectiveness of one solid sheet is its absorption loss A plus
// its reflection loss R, plus the multiple-reflection correction B when A is
// below 10 dB. The formulas are pure functions of single-precision inputs;
// arithmetic is carried in double precision and the quantities the solid
// shield stores (A, Zs, Zw, K, rho) are rounded to single precision where
// they are formed. F is the frequency in Hz, formed by the caller; lengths are
// in cm as entered. The double-layer computation reuses all but B.
#pragma once

#include "core/inputs.h"
#include "core/materials.h"

namespace shieldcalc {

// A = l * 1.31 * sqrt(F * muR * sigmaR), dB.
float absorptionLoss(float l, double F, const Material& m);

// R in dB for a sheet at distance r (cm) from the source.
double reflectionLoss(FieldSource source, double F, double r, const Material& m);

// Zs = 1e-7 * 3.69 * sqrt(F * muR / sigmaR), ohm.
float sheetImpedance(double F, const Material& m);

// Wave impedance of the incident field at distance r (cm) from the source,
// with f in the unit of the form (MHz on the solid-shield form, kHz on the
// double-layer form).
float waveImpedance(FieldSource source, double f, double r, FrequencyUnit unit);

struct Reflection {
    float K = 0;   // impedance ratio Zw / Zs
    float rho = 0; // reflection coefficient (1 - K) / (K + 1)
};
Reflection reflectionCoefficient(float Zw, float Zs);

// B = 20 log10(1 - rho^2 * 10^(-A / 10)), dB.
double multipleReflectionCorrection(float A, float rho);

// SE in dB of a solid sheet; 0 when no source is chosen.
double solidShieldSE(const SolidShieldInput& input, SourceChoice source);

} // namespace shieldcalc
