// Frmsub5, the double-layer shield calculator form.
//
// Frequency (kHz); for the first sheet its thickness, its distance from the
// source (cm, not needed for the plane wave) and its material; for the second
// its thickness, its distance from the first sheet (cm) and its material. They
// go through doubleLayerSE with the source chosen on Frmsub1, and the result
// to the result window.
#pragma once

#include "core/inputs.h"
#include "ui/calculator_form.h"

namespace shieldcalc::ui {

class DoubleLayerForm final : public FieldForm<DoubleLayerInput, float> {
public:
    explicit DoubleLayerForm(WindowHub& hub);
};

} // namespace shieldcalc::ui
