// Captions that fit.
//
// A label's rectangle comes from its form's design, in twips; its caption is
// set in whatever faces the machine has, at whatever scale factor, and may
// need more room than the design gave it, or run under the box beside it.
// fitCaptions measures each caption and gives its label the place, the font
// and the alignment it finds, so that every label paints its own caption and
// its extents are where its text is:
//
//   1. At the label's designed place, when the caption ends at least
//      kCaptionGap pixels before the next control of its row.
//   2. Otherwise grown into the free space: to the right up to the next
//      control, then to the left, where the caption before it in the row
//      may step aside to the left into free space of its own; boxes and
//      buttons never move.
//   3. As the last resort the same in a font one point smaller.
//
// Vertically, a label in the row of a text box or drop-down box is as high as
// that box (or as its text, when that is higher) and centres its text on it:
// on the box it names, or else on the nearest box of its row, so that the
// captions of a row stand on one line. A label with no box in its row keeps
// its designed top and draws its text there, as high as its text needs (at
// least as its designed rectangle).
#pragma once

#include <QSize>

class QFont;
class QPaintDevice;
class QString;
class QWidget;

namespace shieldcalc::ui {

// The least room between a caption and the next control, logical pixels.
inline constexpr int kCaptionGap = 3;

// The room the text needs in font on device: its advance and its line
// height, rounded up to whole pixels.
QSize captionSize(const QString& text, const QFont& font, QPaintDevice* device);

// Fits every label that is a direct child of form to its caption. The labels
// must stand at their designed places, in their designed fonts: form is fitted
// once, when it has been built.
void fitCaptions(QWidget& form);

} // namespace shieldcalc::ui
