// Forms built from tables.
//
// Every window of the application is laid out by a short table of its
// controls: kind, object name, position and size in twips (1/1440 inch), and
// caption or initial text. buildForm turns such a table into child widgets of
// the window: it converts the twips to logical pixels (15 twips to a pixel; the
// platform's high-DPI scaling does the rest), fixes the window's size, sets
// the Song-style fonts, gives each box to the label that names it as buddy (with
// the label's tooltip) and chains the tab order. The labels stand at their
// designed places until their window fits them to their captions (captions.h).
// No layouts are used: the numbers in a table can be read against the form's
// design and asserted by tests.
#pragma once

#include "core/inputs.h"

#include <QFont>
#include <QString>

#include <span>

class QButtonGroup;

class QWidget;

namespace shieldcalc::ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
int twipsToPixels(int twips);

struct Twips {
    int left, top, width, height;
};

enum class ControlKind { Label, OptionButton, CommandButton, TextBox, ComboBox };

// The typefaces of the forms, all SimSun ("宋体").
enum class Face {
    Plain,         // 9 point, every control not named otherwise
    Heading,       // bold 18 point: the main menu's heading
    OptionCaption, // bold 10.5 point: the main menu's options
    ResultText,    // bold 12 point: the result box
};

// SimSun, requested by name; where it is missing, a clear serif face draws
// the Latin letters and digits and a free Song face with real weights draws
// the Chinese, so that Chinese text never falls back to a sans face.
QFont songFont(Face face);

struct ControlSpec {
    ControlKind kind;
    const char* name; // object name, as the form's design names it
    Twips place;
    const char* text; // caption, or initial text of a box
    int tab;          // place in the tab order; -1 for a label
    Face face;
    const char* buddy;                    // label: the box it names, if any
    std::span<const char* const> entries; // drop-down box: its list
    int index;                            // element of a control array; -1 for none
    const char* tip = nullptr;            // what to enter, shown when the pointer rests

    // This control with a tooltip; on a label, its box shows the same tip.
    constexpr ControlSpec withTip(const char* text) const {
        ControlSpec tipped = *this;
        tipped.tip = text;
        return tipped;
    }
};

// The property that tells the elements of a control array apart: controls
// that share one object name and differ in their index.
inline constexpr const char* kIndexProperty = "index";

constexpr ControlSpec label(const char* name, Twips place, const char* caption,
                            const char* buddy = nullptr, Face face = Face::Plain) {
    return {ControlKind::Label, name, place, caption, -1, face, buddy, {}, -1};
}
// Element index of the label array name.
constexpr ControlSpec labelElement(const char* name, int index, Twips place, const char* caption,
                                   const char* buddy) {
    return {ControlKind::Label, name, place, caption, -1, Face::Plain, buddy, {}, index};
}
constexpr ControlSpec optionButton(const char* name, Twips place, const char* caption, int tab,
                                   Face face = Face::Plain) {
    return {ControlKind::OptionButton, name, place, caption, tab, face, nullptr, {}, -1};
}
constexpr ControlSpec commandButton(const char* name, Twips place, const char* caption, int tab) {
    return {ControlKind::CommandButton, name, place, caption, tab, Face::Plain, nullptr, {}, -1};
}
constexpr ControlSpec textBox(const char* name, Twips place, int tab, const char* text = "",
                              Face face = Face::Plain) {
    return {ControlKind::TextBox, name, place, text, tab, face, nullptr, {}, -1};
}
// A drop-down box with editable text, showing text until an entry is chosen.
constexpr ControlSpec comboBox(const char* name, Twips place, int tab, const char* text,
                               std::span<const char* const> entries) {
    return {ControlKind::ComboBox, name, place, text, tab, Face::Plain, nullptr, entries, -1};
}

struct FormSpec {
    const char* name;    // object name of the window
    const char* caption; // caption at creation
    int width, height;   // client area, twips
    std::span<const ControlSpec> controls;
};

// Creates the controls of design as children of form and adds its option buttons
// to options, with ids 0, 1, ... in table order.
void buildForm(QWidget& form, const FormSpec& design, QButtonGroup& options);

} // namespace shieldcalc::ui
