#include "ui/window_hub.h"

#include "ui/about.h"
#include "ui/aperture_form.h"
#include "ui/curve_dialog.h"
#include "ui/double_layer_form.h"
#include "ui/enclosure_form.h"
#include "ui/field_source_window.h"
#include "ui/main_menu.h"
#include "ui/result_window.h"
#include "ui/solid_shield_form.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace shieldcalc::ui {

namespace {

// The width of a window's frame on each side of its client area.
QMargins frameWidth(const QRect& client, const QRect& frame) {
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

WindowHub::WindowHub(std::unique_ptr<MessagePresenter> messages, std::function<void()> quit)
    : messages_(std::move(messages)), quit_(std::move(quit)) {}

WindowHub::~WindowHub() = default;

void WindowHub::start() {
    present(menu());
}

void WindowHub::showMenu() {
    present(menu());
}

void WindowHub::clearMenuSelection() {
    menu().clearSelection();
}

void WindowHub::openFieldSource(CalculationKind kind) {
    FieldSourceWindow& window = sourceWindow(sourceWindowOf(kind));
    window.setWindowTitle(calculationTitle(kind));
    present(window);
}

void WindowHub::showFieldSource(SourceWindow window) {
    present(sourceWindow(window));
}

void WindowHub::clearSourceSelection(SourceWindow window) {
    sourceWindow(window).clearSelection();
}

SourceChoice WindowHub::fieldSource(SourceWindow window) {
    return sourceWindow(window).source();
}

void WindowHub::openCalculator(CalculationKind kind) {
    CalculatorForm& form = calculator(kind);
    form.resetInputs();
    present(form);
}

void WindowHub::showCalculator(CalculationKind kind) {
    present(calculator(kind));
}

void WindowHub::publishResult(CalculationKind kind, const QString& resultText,
                              const Computation& computation) {
    ResultWindow& window = result();
    if (calculationWithTitle(sourceWindow(sourceWindowOf(kind)).windowTitle()) == kind) {
        window.setWindowTitle(calculationTitle(kind));
    }
    window.setResult(resultText, computation);
    calculator(kind).hide();
    present(window);
}

void WindowHub::showCurve(QWidget& window, const Computation& computation) {
    curve_ = std::make_unique<CurveDialog>(*this, window, computation);
    curve_->show();
}

void WindowHub::showMessage(QWidget* window, const Message& message) {
    messages_->show(window, message);
}

void WindowHub::showAbout(QWidget* window) {
    messages_->show(window, aboutMessage());
}

void WindowHub::exitApplication() {
    const auto hide = [](auto& window) {
        if (window) {
            window->hide();
        }
    };
    hide(menu_);
    for (auto& window : sourceWindows_) {
        hide(window);
    }
    for (auto& window : calculators_) {
        hide(window);
    }
    hide(result_);
    quit_();
}

void WindowHub::leftPlace(const QRect& client, const QRect& frame) {
    lastCentre_ = client.center();
    lastFrame_ = frameWidth(client, frame);
}

void WindowHub::present(QWidget& window) {
    const QScreen* screen = lastCentre_ ? QGuiApplication::screenAt(*lastCentre_) : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        // A window never shown has no frame yet; it will get one like the last.
        const QRect client = window.geometry();
        const QRect known = window.frameGeometry();
        const QMargins margins = known == client ? lastFrame_ : frameWidth(client, known);
        QRect frame = client.marginsAdded(margins);
        frame.moveCenter(lastCentre_.value_or(available.center()) +
                         (frame.center() - client.center()));
        // Kept on the screen, its title bar first.
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
        window.setGeometry(frame.marginsRemoved(margins));
    }
    window.show();
}

MainMenu& WindowHub::menu() {
    if (!menu_) {
        menu_ = std::make_unique<MainMenu>(*this);
    }
    return *menu_;
}

FieldSourceWindow& WindowHub::sourceWindow(SourceWindow window) {
    auto& slot = sourceWindows_[static_cast<std::size_t>(window)];
    if (!slot) {
        slot = window == SourceWindow::Sheets ? makeSheetSourceWindow(*this)
                                              : makeEnclosureSourceWindow(*this);
    }
    return *slot;
}

CalculatorForm& WindowHub::calculator(CalculationKind kind) {
    auto& slot = calculators_[static_cast<std::size_t>(kind)];
    if (!slot) {
        switch (kind) {
        case CalculationKind::SolidShield:
            slot = std::make_unique<SolidShieldForm>(*this);
            break;
        case CalculationKind::NonSolidShield:
            slot = std::make_unique<ApertureForm>(*this);
            break;
        case CalculationKind::DoubleLayerShield:
            slot = std::make_unique<DoubleLayerForm>(*this);
            break;
        case CalculationKind::EnclosureShield:
            slot = std::make_unique<EnclosureForm>(*this);
            break;
        }
    }
    return *slot;
}

ResultWindow& WindowHub::result() {
    if (!result_) {
        result_ = std::make_unique<ResultWindow>(*this);
    }
    return *result_;
}

} // namespace shieldcalc::ui
