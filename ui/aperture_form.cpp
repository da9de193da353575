#include "ui/aperture_form.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    commandButton("Comm1", {3480, 5160, 905, 480}, "返 回", 0),
    commandButton("Comm4", {6360, 5160, 905, 480}, "退 出", 1),
};

constexpr FormSpec kForm{"Frmsub4", "非实心型屏蔽体效能计算", 7635, 5820, kControls};

} // namespace

std::unique_ptr<CalculatorForm> makeApertureForm(WindowHub& hub) {
    return std::make_unique<CalculatorForm>(hub, kForm, CalculationKind::NonSolidShield,
                                            std::span<const InputReset>{});
}

} // namespace shieldcalc::ui
