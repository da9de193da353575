// The common ground of the eight windows.
//
// A FormWindow is a fixed-size top-level window built from its table of
// controls (form_builder.h), its labels fitted to the captions they paint
// (captions.h). It knows the window hub that owns
// it and goes through the hub for everything it does to another window; when
// it is hidden it tells the hub where it stood, so that the next window opens
// in the same place. Its option buttons, if it has any, exclude each other,
// can all be cleared, and the arrow keys move the selection among them.
// Closing it by the title-bar close box ends the application, as Exit does,
// so that the application never runs on with no window visible. F1 shows
// About.
#pragma once

#include "ui/form_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

class QKeySequence;

namespace shieldcalc::ui {

class WindowHub;

class FormWindow : public QWidget {
public:
    FormWindow(WindowHub& hub, const FormSpec& design);

    // Index, in table order, of the selected option button; -1 when none is.
    int selectedOption() const;
    // Sets every option button of the window to not selected.
    void clearSelection();

protected:
    WindowHub& hub() const { return hub_; }

    // The control of this window with the given object name.
    template <class Control> Control* control(const char* name) const {
        auto* found = findChild<Control*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(found != nullptr);
        return found;
    }

    // Runs handler when the button is clicked.
    template <class Form> void onClick(const char* button, void (Form::*handler)()) {
        connect(control<QAbstractButton>(button), &QAbstractButton::clicked,
                static_cast<Form*>(this), handler);
    }

    // The key presses the button, wherever the focus is in this window.
    void pressOnKey(const QKeySequence& key, const char* button);

    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Selects the next (step 1) or the previous (step -1) option button, the
    // first or the last when none is selected.
    void moveSelection(int step);

    WindowHub& hub_;
    QButtonGroup options_;
};

} // namespace shieldcalc::ui
