// Frmsub2, the solid-shield calculator form.
//
// Frequency (MHz), wall thickness (cm), material and the distance from the
// source (cm, not needed for the plane wave) go through solidShieldSE with
// the source chosen on Frmsub1, and the result to the result window.
#pragma once

#include "ui/calculator_form.h"

namespace shieldcalc::ui {

class SolidShieldForm final : public CalculatorForm {
public:
    explicit SolidShieldForm(WindowHub& hub);

private:
    void calculate(); // OK
};

} // namespace shieldcalc::ui
