// The calculation behind a published result: its input record, exactly as
// the calculator converted it, and the field source it computed with. The
// calculator hands it to the result window beside the result text, so that
// whatever the result window opens shows the very calculation on screen.
#pragma once

#include "core/inputs.h"

#include <variant>

namespace shieldcalc::ui {

using CalculationInput =
    std::variant<SolidShieldInput, ApertureInput, DoubleLayerInput, EnclosureInput>;

struct Computation {
    CalculationInput input;
    SourceChoice source;
};

} // namespace shieldcalc::ui
