// The rectangular-enclosure computation.
//
// The box is replaced by the sphere of equal volume (radius r0) and the wall
// thickness L is compared with the skin depth: L > delta takes the thick-wall
// formula of the source, otherwise the thin-wall one. Only the magnetic and
// the electric near-field sources apply; for any other choice SE is 0.
// F, L, A, B, H, delta, r0, D = r0 - L and the result are single precision.
#pragma once

#include "core/inputs.h"

namespace shieldcalc {

// The stored quantities of one evaluation.
struct EnclosureTerms {
    float delta = 0; // skin depth, m
    float r0 = 0;    // radius of the sphere of equal volume, m
    bool thickWall = false;
    double P = 0; // the electric source's field ratio (0 for the magnetic source)
    float SE = 0; // dB
};
EnclosureTerms enclosureTerms(const EnclosureInput& input, SourceChoice source);

// SE in dB, with f in kHz and lengths in cm as entered.
float enclosureSE(const EnclosureInput& input, SourceChoice source);

} // namespace shieldcalc
