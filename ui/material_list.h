// The material list of the calculator forms, read from the engine's registry
// of metals (list index 0 to 5), and the prompt a list shows while no entry
// is chosen.
#pragma once

#include "core/materials.h"

#include <array>

namespace shieldcalc::ui {

inline constexpr const char* kChoosePrompt = "--请选择--";

inline constexpr auto kMaterialEntries = [] {
    std::array<const char*, kMaterials.size()> entries{};
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        entries[i] = kMaterials[i].listText;
    }
    return entries;
}();

} // namespace shieldcalc::ui
