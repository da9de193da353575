// Frmsub1 and Frmsub6, the field-source windows.
//
// Before a calculator opens the user states what kind of source the shield
// faces. Frmsub1 offers three sources to the three sheet calculations and is
// titled by the main menu with the calculation's title; its OK opens the
// calculator that title names. Frmsub6 offers the two near-field sources to
// the enclosure calculation and always leads to the enclosure calculator.
// The choice stays in the option buttons, where the calculator reads it when
// its own OK is pressed. OK empties the calculator's inputs before showing
// it; Back (or Esc) clears the choices of the menu and of this window and
// returns to the menu.
#pragma once

#include "core/inputs.h"
#include "ui/calculation.h"
#include "ui/form_window.h"

#include <memory>
#include <optional>
#include <span>

namespace shieldcalc::ui {

struct FieldSourceSpec {
    FormSpec form;
    SourceWindow window;
    std::span<const FieldSource> sources; // the source of each option button, in table order
    // Title of the message when OK finds no source chosen; nullptr: the caption.
    const char* noChoiceTitle;
    // The calculation OK leads to; nothing: the one the caption names.
    std::optional<CalculationKind> calculation;
};

class FieldSourceWindow final : public FormWindow {
public:
    FieldSourceWindow(WindowHub& hub, const FieldSourceSpec& design);

    SourceChoice source() const;

private:
    void Comm1_Click(); // Back
    void Comm2_Click(); // OK
    void Comm4_Click(); // Exit

    FieldSourceSpec design_;
};

std::unique_ptr<FieldSourceWindow> makeSheetSourceWindow(WindowHub& hub);     // Frmsub1
std::unique_ptr<FieldSourceWindow> makeEnclosureSourceWindow(WindowHub& hub); // Frmsub6

} // namespace shieldcalc::ui
