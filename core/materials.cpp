#include "core/materials.h"

namespace shieldcalc {

namespace {

// Upper band limits in MHz and kHz (the same physical frequencies), and
// iron's permeability in each band; the last band has no upper limit.
constexpr float kBandLimitsMHz[] = {0.5f, 10.0f, 80.0f, 1000.0f, 5000.0f};
constexpr float kBandLimitsKHz[] = {500.0f, 10000.0f, 80000.0f, 1000000.0f, 5000000.0f};
constexpr float kIronPermeability[] = {1000.0f, 700.0f, 400.0f, 100.0f, 10.0f, 1.0f};

} // namespace

float ironPermeability(float f, FrequencyUnit unit) {
    const auto& limits = unit == FrequencyUnit::MHz ? kBandLimitsMHz : kBandLimitsKHz;
    std::size_t band = 0;
    while (band < std::size(limits) && !(f < limits[band]))
        ++band;
    return kIronPermeability[band];
}

Material lookupMaterial(ListIndex listIndex, float f, FrequencyUnit unit,
                        const MaterialTable& table) {
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= table.size())
        return {};
    Material m = table[static_cast<std::size_t>(listIndex)];
    if (listIndex == kIron)
        m.muR = ironPermeability(f, unit);
    return m;
}

} // namespace shieldcalc
