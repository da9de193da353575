#include "ui/captions.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace shieldcalc::ui {

namespace {

bool sameRow(const QRect& a, const QRect& b) {
    return a.top() < b.bottom() + 1 && b.top() < a.bottom() + 1;
}

// The caption of label in font at its designed place or grown into the free
// space of its row; nothing when the row has not room enough.
std::optional<QRect> placeCaption(QLabel& label, const QFont& font, const QSize& window,
                                  const std::vector<QRect>& others) {
    const QRect designed = label.geometry();
    const QSize need = captionSize(label.text(), font, &label);
    QRect caption(designed.topLeft(),
                  QSize(need.width(), std::max(need.height(), designed.height())));
    int leftmost = kCaptionGap;
    int rightmost = window.width() - kCaptionGap; // exclusive
    for (const QRect& other : others) {
        if (!sameRow(caption, other)) {
            continue;
        }
        if (other.left() >= designed.left()) {
            rightmost = std::min(rightmost, other.left() - kCaptionGap);
        } else {
            leftmost = std::max(leftmost, other.right() + 1 + kCaptionGap);
        }
    }
    if (caption.right() + 1 > rightmost) {
        caption.moveRight(rightmost - 1);
    }
    if (caption.left() < leftmost) {
        return std::nullopt;
    }
    return caption;
}

} // namespace

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {}

QSize captionSize(const QString& text, const QFont& font, QPaintDevice* device) {
    // A layout, not the font's metrics: the faces that stand in for missing
    // characters count with their own advances and heights.
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return {};
    }
    return {static_cast<int>(std::ceil(line.naturalTextWidth())),
            static_cast<int>(std::ceil(line.height()))};
}

std::vector<Caption> fitCaptions(QWidget& form) {
    std::vector<Caption> captions;
    std::vector<QRect> controls;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            const QSize need = captionSize(label->text(), label->font(), label);
            captions.push_back({label,
                                QRect(label->pos(), need.expandedTo(QSize(0, label->height()))),
                                label->font()});
        } else {
            controls.push_back(child->geometry());
        }
    }
    for (Caption& caption : captions) {
        std::vector<QRect> others = controls;
        for (const Caption& other : captions) {
            if (&other != &caption) {
                others.push_back(other.rect);
            }
        }
        QFont smaller = caption.label->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 1);
        if (auto place = placeCaption(*caption.label, caption.font, form.size(), others)) {
            caption.rect = *place;
        } else if (auto smallerPlace = placeCaption(*caption.label, smaller, form.size(), others)) {
            caption.rect = *smallerPlace;
            caption.font = smaller;
        }
    }
    return captions;
}

void drawCaptions(QPainter& painter, std::span<const Caption> captions) {
    for (const Caption& caption : captions) {
        const QPalette palette = caption.label->palette();
        if (caption.label->autoFillBackground()) {
            painter.fillRect(caption.rect, palette.color(caption.label->backgroundRole()));
        }
        painter.setFont(caption.font);
        painter.setPen(palette.color(caption.label->foregroundRole()));
        painter.drawText(caption.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         caption.label->text());
    }
}

} // namespace shieldcalc::ui
