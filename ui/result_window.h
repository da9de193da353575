// Frmsub3, the result window of all four calculations.
//
// A calculator that has computed a shielding effectiveness publishes it here
// through the hub: the calculation's title as caption and the seven-character
// result text in a disabled box. The caption is the key by which Back finds
// the calculator again, with everything the user typed still in place; Done
// returns to the main menu with nothing chosen.
#pragma once

#include "ui/form_window.h"

namespace shieldcalc::ui {

class ResultWindow final : public FormWindow {
public:
    explicit ResultWindow(WindowHub& hub);

    // Writes the result text into the box and disables the box.
    void setResult(const QString& text);

private:
    void Comm1_Click(); // Back
    void Comm2_Click(); // Done
};

} // namespace shieldcalc::ui
