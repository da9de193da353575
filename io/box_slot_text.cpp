#include "io/box_slot_text.h"

#include "core/result_text.h"
#include "io/csv.h"

namespace shieldcalc::io {

namespace {

// A number of a refusal: shortest text, as typed.
std::string number(float value) {
    return shortestText(value);
}

} // namespace

std::string_view refusalLimitKey(BoxSlotProblem problem) {
    switch (problem) {
    case BoxSlotProblem::LongerThanBox:
        return "a";
    case BoxSlotProblem::NotNarrowerThanBox:
        return "h";
    case BoxSlotProblem::OutsideBox:
        return "b";
    case BoxSlotProblem::WallTooThick:
        return "slot_width";
    case BoxSlotProblem::NotFinite:
    case BoxSlotProblem::NotPositive:
    case BoxSlotProblem::Negative:
    case BoxSlotProblem::NotWholeCount:
        break;
    }
    return {};
}

std::string refusalText(const BoxSlotRefusal& refusal, std::string_view name,
                        std::string_view limitName) {
    std::string text = std::string(name) + ": ";
    const std::string value = number(refusal.value);
    const std::string limit = std::string(limitName) + " = " + number(refusal.limit) + " cm";
    switch (refusal.problem) {
    case BoxSlotProblem::NotFinite:
        return text + "must be a finite number";
    case BoxSlotProblem::NotPositive:
        return text + value + " must be greater than 0";
    case BoxSlotProblem::Negative:
        return text + value + " must not be negative";
    case BoxSlotProblem::NotWholeCount:
        return text + value + " must be a whole number of at least 1";
    case BoxSlotProblem::LongerThanBox:
        return text + "a slot " + value + " cm long is longer than the box is wide (" + limit + ")";
    case BoxSlotProblem::NotNarrowerThanBox:
        return text + "a slot " + value + " cm wide must be narrower than the box is high (" +
               limit + ")";
    case BoxSlotProblem::OutsideBox:
        return text + "the point at " + value +
               " cm is not inside the box: its depth must be at least 0 and less than the "
               "box's depth (" +
               limit + ")";
    case BoxSlotProblem::WallTooThick:
        return text + "a wall " + value + " cm thick leaves the slot (" + limit +
               ") no effective width";
    }
    return text;
}

JsonObject& addBoxSlotSE(JsonObject& object, const std::optional<BoxSlotSE>& se) {
    if (!se) {
        return object.addNull("se_e_db")
            .addNull("display_e")
            .addNull("se_h_db")
            .addNull("display_h");
    }
    return object.addNumber("se_e_db", shortestText(se->electric))
        .addString("display_e", resultText(se->electric))
        .addNumber("se_h_db", shortestText(se->magnetic))
        .addString("display_h", resultText(se->magnetic));
}

JsonObject& addResonances(JsonObject& object, const std::array<double, 3>& resonancesMHz) {
    return object.addNumbers("resonances_mhz", resonancesMHz);
}

void appendBoxSlotCells(std::string& text, const std::optional<BoxSlotSE>& se) {
    if (!se) {
        text += ",,,";
        return;
    }
    text += shortestText(se->electric);
    text += ',';
    appendCsvField(text, resultText(se->electric));
    text += ',';
    text += shortestText(se->magnetic);
    text += ',';
    appendCsvField(text, resultText(se->magnetic));
}

std::string boxSlotLines(const BoxSlotResult& result) {
    const auto& f = result.resonancesMHz;
    return "SE_E = " + shortestText(result.se.electric) +
           " dB\nSE_H = " + shortestText(result.se.magnetic) +
           " dB\nresonances = " + shortestText(f[0]) + ", " + shortestText(f[1]) + ", " +
           shortestText(f[2]) + " MHz\n";
}

} // namespace shieldcalc::io
