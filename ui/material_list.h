// The material list of the calculator forms, in the order of the engine's
// material table (list index 0 to 5), and the prompt a list shows while no
// entry is chosen.
#pragma once

#include <array>

namespace shieldcalc::ui {

inline constexpr const char* kChoosePrompt = "--请选择--";

// copper, silver, gold, iron, brass, aluminium
inline constexpr std::array<const char*, 6> kMaterialEntries{
    "---铜---", "---银---", "---金---", "---铁---", "--黄铜--", "---铝---",
};

} // namespace shieldcalc::ui
