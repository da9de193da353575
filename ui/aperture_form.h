// Frmsub4, the aperture-array (non-solid) shield calculator form.
//
// Hole shape and material from two lists; hole depth (cm), frequency (kHz),
// the diameter of a circular hole or the width of a rectangular one (cm), the
// distance from the source (cm, not needed for the plane wave), the area of
// one hole (cm*cm), the conductor width between holes (cm) and the number of
// holes per square centimetre go through apertureSE with the source chosen on
// Frmsub1, and the result to the result window.
#pragma once

#include "core/inputs.h"
#include "ui/calculator_form.h"

namespace shieldcalc::ui {

class ApertureForm final : public FieldForm<ApertureInput, double> {
public:
    explicit ApertureForm(WindowHub& hub);
};

} // namespace shieldcalc::ui
