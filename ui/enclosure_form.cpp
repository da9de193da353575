#include "ui/enclosure_form.h"

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    commandButton("Comm1", {2760, 3600, 905, 480}, "返 回", 0),
    commandButton("Comm4", {5640, 3600, 905, 480}, "退 出", 1),
};

constexpr FormSpec kForm{"Frmsub7", "长方体导体壳体屏效计算", 6765, 4470, kControls};

} // namespace

std::unique_ptr<CalculatorForm> makeEnclosureForm(WindowHub& hub) {
    return std::make_unique<CalculatorForm>(hub, kForm, CalculationKind::EnclosureShield,
                                            std::span<const InputReset>{});
}

} // namespace shieldcalc::ui
