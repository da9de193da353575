#include "ui/double_layer_form.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    commandButton("Comm1", {3000, 3960, 905, 480}, "返 回", 0),
    commandButton("Comm4", {5640, 3960, 905, 480}, "退 出", 1),
};

constexpr FormSpec kForm{"Frmsub5", "双层屏蔽体的效能计算", 7230, 4725, kControls};

} // namespace

std::unique_ptr<CalculatorForm> makeDoubleLayerForm(WindowHub& hub) {
    return std::make_unique<CalculatorForm>(hub, kForm, CalculationKind::DoubleLayerShield,
                                            std::span<const InputReset>{});
}

} // namespace shieldcalc::ui
