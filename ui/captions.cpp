#include "ui/captions.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace shieldcalc::ui {

namespace {

bool sameRow(const QRect& a, const QRect& b) {
    return a.top() < b.bottom() + 1 && b.top() < a.bottom() + 1;
}

// The free stretch of rect's row, kCaptionGap inside the window's edges and
// the controls before and after it: [left, right). Controls that begin at
// split or later count as after it.
struct Room {
    int left, right;
};

Room roomAround(const QRect& rect, int split, int windowWidth, const std::vector<QRect>& others) {
    Room room{kCaptionGap, windowWidth - kCaptionGap};
    for (const QRect& other : others) {
        if (!sameRow(rect, other)) {
            continue;
        }
        if (other.left() >= split) {
            room.right = std::min(room.right, other.left() - kCaptionGap);
        } else {
            room.left = std::max(room.left, other.right() + 1 + kCaptionGap);
        }
    }
    return room;
}

bool fitsInRoom(const QRect& rect, int windowWidth, const std::vector<QRect>& others) {
    const Room room = roomAround(rect, rect.left(), windowWidth, others);
    return rect.left() >= room.left && rect.right() + 1 <= room.right;
}

// The caption of label in font at its designed place, or grown to the right
// up to the next control and then to the left; shortfall is how many pixels
// the free room of its row lacks (0 when it fits).
struct Placement {
    QRect rect;
    int shortfall;
};

Placement placeCaption(QLabel& label, const QFont& font, int windowWidth,
                       const std::vector<QRect>& others) {
    const QRect designed = label.geometry();
    const QSize need = captionSize(label.text(), font, &label);
    QRect caption(designed.topLeft(),
                  QSize(need.width(), std::max(need.height(), designed.height())));
    const Room room = roomAround(caption, designed.left(), windowWidth, others);
    if (caption.right() + 1 > room.right) {
        caption.moveRight(room.right - 1);
    }
    const int shortfall = std::max(0, room.left - caption.left());
    caption.moveLeft(caption.left() + shortfall);
    return {caption, shortfall};
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
    const auto othersThan = [&](const Caption& self) {
        std::vector<QRect> others = controls;
        for (const Caption& other : captions) {
            if (&other != &self) {
                others.push_back(other.rect);
            }
        }
        return others;
    };
    // The caption that ends last before x in the row of rect, if any.
    const auto captionBefore = [&](const QRect& rect, int x) {
        Caption* before = nullptr;
        for (Caption& other : captions) {
            if (sameRow(other.rect, rect) && other.rect.left() < x &&
                (before == nullptr || other.rect.right() > before->rect.right())) {
                before = &other;
            }
        }
        return before;
    };
    const int width = form.width();
    for (Caption& caption : captions) {
        QFont smaller = caption.label->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 1);
        for (const QFont& font : {caption.label->font(), smaller}) {
            Placement place = placeCaption(*caption.label, font, width, othersThan(caption));
            // The caption before it may step aside into free room of its own.
            Caption* before = captionBefore(place.rect, caption.label->x());
            if (place.shortfall > 0 && before != nullptr) {
                const QRect aside = before->rect.translated(-place.shortfall, 0);
                if (fitsInRoom(aside, width, othersThan(*before))) {
                    before->rect = aside;
                    place = placeCaption(*caption.label, font, width, othersThan(caption));
                }
            }
            if (place.shortfall == 0) {
                caption.rect = place.rect;
                caption.font = font;
                break;
            }
        }
    }
    return captions;
}

void drawCaptions(QPainter& painter, std::span<const Caption> captions) {
    for (const Caption& caption : captions) {
        if (caption.label->isHidden()) {
            continue;
        }
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
