// frmmain, the main menu and start-up window.
//
// It offers the four calculations as option buttons. OK clears both
// field-source windows, then opens the one the chosen calculation uses,
// titled with the calculation's title; with nothing chosen it asks for a
// choice and stays. Exit ends the application.
#pragma once

#include "ui/form_window.h"

namespace shieldcalc::ui {

class MainMenu final : public FormWindow {
public:
    explicit MainMenu(WindowHub& hub);

private:
    void Com1_Click(); // OK
    void Com2_Click(); // Exit
};

} // namespace shieldcalc::ui
