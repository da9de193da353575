#include "ui/form_window.h"

#include "ui/captions.h"
#include "ui/window_hub.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QShortcut>

namespace shieldcalc::ui {

FormWindow::FormWindow(WindowHub& hub, const FormSpec& design) : hub_(hub) {
    buildForm(*this, design, options_);
    fitCaptions(*this);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { hub_.showAbout(this); });
    if (!options_.buttons().isEmpty()) {
        for (const auto& [key, step] : {std::pair{Qt::Key_Down, 1}, std::pair{Qt::Key_Right, 1},
                                        std::pair{Qt::Key_Up, -1}, std::pair{Qt::Key_Left, -1}}) {
            connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                    [this, step] { moveSelection(step); });
        }
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

void FormWindow::moveSelection(int step) {
    const int count = static_cast<int>(options_.buttons().size());
    const int chosen = selectedOption();
    const int next = chosen < 0 ? (step > 0 ? 0 : count - 1) : (chosen + step + count) % count;
    QAbstractButton* option = options_.button(next);
    option->setChecked(true);
    option->setFocus(Qt::TabFocusReason);
}

void FormWindow::pressOnKey(const QKeySequence& key, const char* button) {
    connect(new QShortcut(key, this), &QShortcut::activated, control<QAbstractButton>(button),
            &QAbstractButton::click);
}

void FormWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        hub_.leftPlace(geometry(), frameGeometry());
    }
    QWidget::hideEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hub_.exitApplication();
}

} // namespace shieldcalc::ui
