// The box with a slot in the text formats: its two SE values, its
// resonances and the refusal of inputs that describe no such box.
//
// The engine's box with a slot (core/box_slot.h) gives an electric and a
// magnetic SE where the other calculations give one; these functions write
// them where the others write "se_db" and "display": as the JSON members
// se_e_db, display_e, se_h_db and display_h, as the same four CSV columns,
// and as lines of text. A refusal becomes an English sentence that names the
// input as the front end calls it (an option, a CSV column).
#pragma once

#include "core/box_slot.h"
#include "io/json.h"

#include <optional>
#include <string>
#include <string_view>

namespace shieldcalc::io {

// "name: ..." for inputs that boxSlotRefusal refuses; name is how the front
// end calls the refused input, limitName how it calls the input that sets
// the limit.
std::string refusalText(const BoxSlotRefusal& refusal, std::string_view name,
                        std::string_view limitName);

// The input whose value bounds the refused one ("a" for a slot longer than
// the box); empty when none does.
std::string_view refusalLimitKey(BoxSlotProblem problem);

// se_e_db, display_e, se_h_db, display_h; null each when absent.
JsonObject& addBoxSlotSE(JsonObject& object, const std::optional<BoxSlotSE>& se);
// resonances_mhz: the three values.
JsonObject& addResonances(JsonObject& object, const std::array<double, 3>& resonancesMHz);

// The four values as CSV cells, empty when absent.
void appendBoxSlotCells(std::string& text, const std::optional<BoxSlotSE>& se);

// "SE_E = ... dB", "SE_H = ... dB" and "resonances = ..., ..., ... MHz",
// each on its line.
std::string boxSlotLines(const BoxSlotResult& result);

} // namespace shieldcalc::io
