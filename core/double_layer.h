// The double-layer computation: two solid sheets with a gap between them.
//
// SE = A2 + A1 + R1 + R2 + G: the absorption and reflection losses of both
// sheets (single-sheet formulas, the second sheet at distance l1 + r1 + r2
// from the source) and the gap term G for the waves reflected between the
// sheets. Every stored quantity, and the result, is single precision.
#pragma once

#include "core/inputs.h"

namespace shieldcalc {

// G in dB, with f in kHz and the gap r2 in cm as entered.
float gapCorrection(float f, float r2, float rho1, float rho2);

// SE in dB; 0 when no source is chosen.
float doubleLayerSE(const DoubleLayerInput& input, SourceChoice source);

} // namespace shieldcalc
