// Frmsub2, the solid-shield calculator form.
//
// Frequency (MHz), wall thickness (cm), material and the distance from the
// source (cm, not needed for the plane wave) go through solidShieldSE with
// the source chosen on Frmsub1, and the result to the result window.
#pragma once

#include "core/inputs.h"
#include "ui/calculator_form.h"

namespace shieldcalc::ui {

class SolidShieldForm final : public FieldForm<SolidShieldInput, double> {
public:
    explicit SolidShieldForm(WindowHub& hub);
};

} // namespace shieldcalc::ui
