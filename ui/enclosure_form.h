// Frmsub7, the rectangular enclosure calculator form.
//
// Frequency (kHz), wall thickness (cm), material and the box's length, width
// and height (cm) go through enclosureSE with the source chosen on Frmsub6
// (magnetic or electric), and the result to the result window.
#pragma once

#include "core/inputs.h"
#include "ui/calculator_form.h"

namespace shieldcalc::ui {

class EnclosureForm final : public FieldForm<EnclosureInput, float> {
public:
    explicit EnclosureForm(WindowHub& hub);
};

} // namespace shieldcalc::ui
