#include "ui/form_window.h"

#include "ui/window_hub.h"

#include <QCloseEvent>
#include <QScreen>

namespace shieldcalc::ui {

FormWindow::FormWindow(WindowHub& hub, const FormSpec& design) : hub_(hub) {
    buildForm(*this, design, options_);
    if (const QScreen* display = screen()) {
        move(display->availableGeometry().center() - rect().center());
    }
}

int FormWindow::selectedOption() const {
    return options_.checkedId();
}

void FormWindow::clearSelection() {
    // An exclusive group keeps one button checked; release it for the moment.
    options_.setExclusive(false);
    for (QAbstractButton* option : options_.buttons()) {
        option->setChecked(false);
    }
    options_.setExclusive(true);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hub_.exitApplication();
}

} // namespace shieldcalc::ui
