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

// SE in dB. With no shape chosen, or no source chosen, the computation
// reaches a fault (coth(0), the logarithm of 0).
double apertureSE(const ApertureInput& input, SourceChoice source);

} // namespace shieldcalc
