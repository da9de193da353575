#include "core/materials.h"

namespace shieldcalc {

float PermeabilityBands::at(float f, FrequencyUnit unit) const {
    const auto& limits = unit == FrequencyUnit::MHz ? limitsMHz : limitsKHz;
    std::size_t band = 0;
    while (band < limits.size() && !(f < limits[band]))
        ++band;
    return muR[band];
}

bool MaterialChoice::chosen() const {
    return custom.has_value() ||
           (entry >= 0 && static_cast<std::size_t>(entry) < kMaterialTable.size());
}

Material lookupMaterial(ListIndex listIndex, float f, FrequencyUnit unit,
                        const MaterialTable& table) {
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= table.size())
        return {};
    return table[static_cast<std::size_t>(listIndex)].at(f, unit);
}

Material materialOf(const MaterialChoice& choice, float f, FrequencyUnit unit,
                    const MaterialTable& table) {
    return choice.custom ? choice.custom->at(f, unit)
                         : lookupMaterial(choice.entry, f, unit, table);
}

} // namespace shieldcalc
