// Captions that fit.
//
// A label's rectangle comes from its form's design, in twips; its caption is
// set in whatever faces the machine has, at whatever scale factor, and may
// need more room than the design gave it, or run under the box beside it.
// So a label keeps its designed rectangle (its place, its buddy) but paints
// nothing itself: its window paints the caption in the room fitCaptions finds.
//
//   1. At the label's designed place, when the caption ends at least
//      kCaptionGap pixels before the next control of its row.
//   2. Otherwise grown into the free space: to the right up to the next
//      control, then to the left, where the caption before it in the row
//      may step aside to the left into free space of its own; boxes and
//      buttons never move.
//   3. As the last resort the same in a font one point smaller.
//
// The caption's height is the height its text needs (at least the label's).
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>

#include <span>
#include <vector>

class QPainter;

namespace shieldcalc::ui {

// The least room between a caption and the next control, logical pixels.
inline constexpr int kCaptionGap = 3;

// A label whose window paints its caption (drawCaptions).
class CaptionLabel final : public QLabel {
public:
    CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

struct Caption {
    QLabel* label;
    QRect rect; // where the caption stands, in the window's coordinates
    QFont font;
};

// The room the text needs in font on device: its advance and its line
// height, rounded up to whole pixels.
QSize captionSize(const QString& text, const QFont& font, QPaintDevice* device);

// Room for the caption of every label of form that is a direct child.
std::vector<Caption> fitCaptions(QWidget& form);

// Paints the captions of the labels that are not hidden, in their labels' colours.
void drawCaptions(QPainter& painter, std::span<const Caption> captions);

} // namespace shieldcalc::ui
