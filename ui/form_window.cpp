#include "ui/form_window.h"

#include "ui/window_hub.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>

#include <algorithm>

namespace shieldcalc::ui {

FormWindow::FormWindow(WindowHub& hub, const FormSpec& design) : hub_(hub) {
    buildForm(*this, design, options_);
    captions_ = fitCaptions(*this);
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

bool FormWindow::event(QEvent* event) {
    // Over the part of a caption that lies outside its label, the window
    // shows the label's tooltip.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const auto caption = std::ranges::find_if(
            captions_, [&](const Caption& c) { return c.rect.contains(help->pos()); });
        if (caption != captions_.end() && !caption->label->toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), caption->label->toolTip(), this, caption->rect);
            return true;
        }
    }
    return QWidget::event(event);
}

void FormWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawCaptions(painter, captions_);
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
