// The aperture-array computation: a sheet perforated by identical holes.
//
// SE = A + R + B + C1 + C2 + C3: the attenuation of one hole as a waveguide
// below cut-off, its reflection and multiple-reflection terms, and the
// corrections for the number of holes, the conductor between them and their
// coupling. Lengths are in cm and f in kHz exactly as entered; arithmetic is
// double precision and only x = A / 8.686 is stored in single precision.
// The material comes from kApertureMaterialTable (its own brass row).
#pragma once

#include "core/inputs.h"

namespace shieldcalc {

// The hyperbolic cotangent from the first four terms of the cosh and sinh
// series. It equals 1 near x = 2.759 and falls below 1 beyond, as the series
// does; coth(0) is a division by zero.
double coth(float x);

// The six terms of the SE, in dB, and the ratio k.
struct ApertureTerms {
    double A = 0;  // attenuation of one hole along its depth
    double k = 0;  // ratio that sets the reflection at the hole
    double R = 0;  // reflection term
    double B = 0;  // multiple-reflection term (0 when A >= 15)
    double C1 = 0; // correction for the number of holes
    double C2 = 0; // correction for the conductor between the holes
    double C3 = 0; // correction for the coupling between holes
    double SE = 0; // A + R + B + C1 + C2 + C3
};
ApertureTerms apertureTerms(const ApertureInput& input, SourceChoice source);

// SE in dB. With no shape chosen, or no source chosen, the computation
// reaches a fault (coth(0), the logarithm of 0).
double apertureSE(const ApertureInput& input, SourceChoice source);

} // namespace shieldcalc
