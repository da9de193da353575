// The window hub: owner of the eight windows and of the message boxes.
//
// The application is a chain of eight windows of which one is visible at a
// time. Each is a single object for the whole run, created hidden the first
// time anything touches it (a show, a caption, a control) and afterwards only
// hidden and shown, so it keeps what the user left in it:
//
//   frmmain  main menu            Frmsub1  field source, sheets (3 sources)
//   Frmsub2  solid shield         Frmsub6  field source, enclosure (2 sources)
//   Frmsub4  aperture array       Frmsub3  result
//   Frmsub5  double layer
//   Frmsub7  enclosure
//
// From the result window the curve of its computation opens as a modal
// dialog over it (curve_dialog.h); it is not one of the eight, and closing it
// leaves every window as it was.
//
// A window's handler hides its own window and asks the hub to show the next
// one. Everything a window reads or writes in another window goes through one
// of the named methods below; the windows hold no pointers to each other.
// The next window opens centred where the hidden one stood (where the user
// may have moved it), kept on the screen; the first one opens centred.
#pragma once

#include "core/inputs.h"
#include "ui/calculation.h"
#include "ui/computation.h"
#include "ui/messages.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace shieldcalc::ui {

class CalculatorForm;
class CurveDialog;
class FieldSourceWindow;
class MainMenu;
class ResultWindow;

class WindowHub {
public:
    // quit ends the application; it is called after every window is hidden.
    WindowHub(std::unique_ptr<MessagePresenter> messages, std::function<void()> quit);
    ~WindowHub();
    WindowHub(const WindowHub&) = delete;
    WindowHub& operator=(const WindowHub&) = delete;

    // Creates and shows the main menu.
    void start();

    void showMenu();
    void clearMenuSelection();

    // Titles the field-source window of kind with kind's title and shows it.
    void openFieldSource(CalculationKind kind);
    void showFieldSource(SourceWindow window);
    void clearSourceSelection(SourceWindow window);
    // The source selected in window, read when a calculator needs it.
    SourceChoice fieldSource(SourceWindow window);

    // Empties the calculator's inputs and shows it.
    void openCalculator(CalculationKind kind);
    // Shows the calculator with its inputs as they were left.
    void showCalculator(CalculationKind kind);

    // Hands a result over from the calculator of kind to the result window:
    // its caption (when the field-source window carries kind's title), the
    // result text in its disabled box and the computation that gave it; hides
    // the calculator and shows it.
    void publishResult(CalculationKind kind, const QString& resultText,
                       const Computation& computation);

    // Opens the curve of computation, modal over window; returns at once.
    void showCurve(QWidget& window, const Computation& computation);

    // A modal message over window.
    void showMessage(QWidget* window, const Message& message);
    // About shieldcalc, modal over window; every window stays as it was.
    void showAbout(QWidget* window);

    // Hides every window and ends the application.
    void exitApplication();

    // A window was hidden from where it stood: its client area and its frame
    // on the screen.
    void leftPlace(const QRect& client, const QRect& frame);

private:
    MainMenu& menu();
    FieldSourceWindow& sourceWindow(SourceWindow window);
    CalculatorForm& calculator(CalculationKind kind);
    ResultWindow& result();
    // Shows window where the last hidden window stood.
    void present(QWidget& window);

    std::unique_ptr<MessagePresenter> messages_;
    std::function<void()> quit_;
    std::unique_ptr<MainMenu> menu_;
    std::array<std::unique_ptr<FieldSourceWindow>, 2> sourceWindows_; // by SourceWindow
    std::array<std::unique_ptr<CalculatorForm>, 4> calculators_;      // by CalculationKind
    std::unique_ptr<ResultWindow> result_;
    std::unique_ptr<CurveDialog> curve_; // the one open last, over result_
    // Where the last hidden window stood: the centre of its client area and
    // the width of its frame; nothing before the first window is hidden.
    std::optional<QPoint> lastCentre_;
    QMargins lastFrame_;
};

} // namespace shieldcalc::ui
