// Frmsub3, the result window of all four calculations.
//
// A calculator that has computed a shielding effectiveness publishes it here
// through the hub: the calculation's title as caption and the seven-character
// result text in a disabled box, drawn all the same at full contrast. The
// caption is the key by which Back (or Esc) finds the calculator again, with
// everything the user typed still in place; Done returns to the main menu with
// nothing chosen.
//
// The box takes no focus, so the window itself copies: Ctrl+C or "复制" in
// the context menu of the result line puts the value on the clipboard, with
// its unit once the whole line is selected (Ctrl+A or "全选").
//
// With the result the calculator hands over the computation it came from
// (input record and field source); "频率特性" opens the curve of that very
// computation, modal over this window. Where the engine's advice on that
// computation holds a warning, a line under the result row says the first
// one, with the reference value, in the warning colour beside a warning icon;
// the window grows by the line's height and the buttons move down by as much.
// Without a warning the window stands exactly as designed.
#pragma once

#include "ui/computation.h"
#include "ui/form_window.h"

#include <QPoint>
#include <QSize>

#include <array>
#include <optional>

class QLabel;

namespace shieldcalc::ui {

class ResultWindow final : public FormWindow {
public:
    explicit ResultWindow(WindowHub& hub);

    // Writes the result text into the box and disables the box; keeps the
    // computation that gave it.
    void setResult(const QString& text, const Computation& computation);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Comm1_Click(); // Back
    void Comm2_Click(); // Done
    void Comm3_Click(); // frequency characteristic

    // The value as shown, without the sign position's blank; with the unit
    // when the whole line is selected.
    void copyResult();
    // Marks the value and its unit as selected, or neither.
    void selectLine(bool selected);
    // Shows the warning under the result row and makes room for it; an
    // empty warning hides the line and restores the designed window.
    void showWarning(const QString& warning);

    bool lineSelected_ = false;
    std::optional<Computation> computation_; // of the result shown
    QWidget* warningLine_;                   // holds the icon and the text
    QLabel* warningIcon_;
    QLabel* warning_;                       // the warning's text, plain
    QSize designedSize_;                    // of the window, without a warning
    std::array<QPoint, 3> designedButtons_; // Comm1, Comm2, Comm3, without a warning
};

} // namespace shieldcalc::ui
