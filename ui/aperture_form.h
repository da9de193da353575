// Frmsub4, the aperture-array (non-solid) shield calculator form.
//
// For now the window has its caption, its size, Back and Exit, so that the
// menu and the field-source window can route to it and back; its inputs and
// its OK come with the calculation itself.
#pragma once

#include "ui/calculator_form.h"

#include <memory>

namespace shieldcalc::ui {

std::unique_ptr<CalculatorForm> makeApertureForm(WindowHub& hub);

} // namespace shieldcalc::ui
