// About shieldcalc: what F1 shows in every window.
//
// The text names the application, its version and licence, says in one
// paragraph what the four calculations assume and where the page that
// checks their results is installed. The window hub shows it as a modal
// message over the window that asked, with the application's icon.
#pragma once

#include "ui/messages.h"

namespace shieldcalc::ui {

Message aboutMessage();

} // namespace shieldcalc::ui
