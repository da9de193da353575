// The six shield metals and the lookup of their electrical properties.
//
// The tables hold the metals in the order of the material lists on the forms.
// lookupMaterial turns a list index into the two numbers the formulas need;
// for iron it picks the permeability by the frequency band of f, given in the
// unit of the calling form's frequency box.
#pragma once

#include "core/inputs.h"

#include <array>

namespace shieldcalc {

struct Material {
    float sigmaR = 0; // conductivity relative to copper
    float muR = 0;    // relative permeability
};

using MaterialTable = std::array<Material, 6>;

inline constexpr ListIndex kIron = 3;

// copper, silver, gold, iron (muR by band), brass, aluminium
inline constexpr MaterialTable kMaterialTable{{
    {1.0f, 1.0f},
    {1.05f, 1.0f},
    {0.7f, 1.0f},
    {0.17f, 0.0f},
    {0.26f, 1.0f},
    {0.61f, 1.0f},
}};

// The aperture-array calculator's own copy: brass is 0.1 / 400 there.
inline constexpr MaterialTable kApertureMaterialTable{{
    {1.0f, 1.0f},
    {1.05f, 1.0f},
    {0.7f, 1.0f},
    {0.17f, 0.0f},
    {0.1f, 400.0f},
    {0.61f, 1.0f},
}};

enum class FrequencyUnit { MHz, kHz };

// Iron's relative permeability at frequency f (in the given unit). Each band
// includes its lower limit; zero and negative frequencies fall into the first.
float ironPermeability(float f, FrequencyUnit unit);

// Properties of the entry at listIndex; {0, 0} for any index outside 0..5.
// Never fails.
Material lookupMaterial(ListIndex listIndex, float f, FrequencyUnit unit,
                        const MaterialTable& table = kMaterialTable);

} // namespace shieldcalc
