#include "ui/captions.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

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

// A label while its form is fitted.
struct Caption {
    QLabel* label;
    QRect designed;     // the label's rectangle in the form's design
    const QWidget* box; // the text box or drop-down box of its row (boxOfRow), if any
    QRect rect;         // where its text stands, in the window's coordinates
    QFont font;
};

bool isBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

// The text box or drop-down box whose row the caption of label shares: the
// one that label names, when it stands in the row of designed; else the
// nearest one in that row; nullptr when the row has none.
const QWidget* boxOfRow(const QLabel& label, const QRect& designed,
                        const std::vector<const QWidget*>& boxes) {
    if (isBox(label.buddy()) && sameRow(designed, label.buddy()->geometry())) {
        return label.buddy();
    }
    const auto distance = [&](const QWidget* box) {
        const QRect rect = box->geometry();
        return std::max({0, rect.left() - designed.right(), designed.left() - rect.right()});
    };
    const QWidget* nearest = nullptr;
    for (const QWidget* box : boxes) {
        if (sameRow(designed, box->geometry()) &&
            (nearest == nullptr || distance(box) < distance(nearest))) {
            nearest = box;
        }
    }
    return nearest;
}

// The caption's rectangle at its designed left edge for text of size need:
// centred on its box, or from its designed top.
QRect atDesignedPlace(const Caption& caption, QSize need) {
    if (caption.box != nullptr) {
        const QRect box = caption.box->geometry();
        const int height = std::max(need.height(), box.height());
        return {caption.designed.left(), box.top() - (height - box.height()) / 2, need.width(),
                height};
    }
    return {caption.designed.topLeft(),
            QSize(need.width(), std::max(need.height(), caption.designed.height()))};
}

// The caption in font at its designed place, or grown to the right up to the
// next control and then to the left; shortfall is how many pixels the free
// room of its row lacks (0 when it fits).
struct Placement {
    QRect rect;
    int shortfall;
};

Placement placeCaption(const Caption& caption, const QFont& font, int windowWidth,
                       const std::vector<QRect>& others) {
    QRect rect = atDesignedPlace(caption, captionSize(caption.label->text(), font, caption.label));
    const Room room = roomAround(rect, caption.designed.left(), windowWidth, others);
    if (rect.right() + 1 > room.right) {
        rect.moveRight(room.right - 1);
    }
    const int shortfall = std::max(0, room.left - rect.left());
    rect.moveLeft(rect.left() + shortfall);
    return {rect, shortfall};
}

} // namespace

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

void fitCaptions(QWidget& form) {
    const QList<QWidget*> children = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<const QWidget*> boxes;
    std::ranges::copy_if(children, std::back_inserter(boxes), isBox);
    std::vector<Caption> captions;
    std::vector<QRect> controls;
    for (QWidget* child : children) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            Caption caption{label,
                            label->geometry(),
                            boxOfRow(*label, label->geometry(), boxes),
                            {},
                            label->font()};
            caption.rect =
                atDesignedPlace(caption, captionSize(label->text(), caption.font, label));
            captions.push_back(caption);
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
            Placement place = placeCaption(caption, font, width, othersThan(caption));
            // The caption before it may step aside into free room of its own.
            Caption* before = captionBefore(place.rect, caption.designed.left());
            if (place.shortfall > 0 && before != nullptr) {
                const QRect aside = before->rect.translated(-place.shortfall, 0);
                if (fitsInRoom(aside, width, othersThan(*before))) {
                    before->rect = aside;
                    place = placeCaption(caption, font, width, othersThan(caption));
                }
            }
            if (place.shortfall == 0) {
                caption.rect = place.rect;
                caption.font = font;
                break;
            }
        }
    }
    for (const Caption& caption : captions) {
        caption.label->setGeometry(caption.rect);
        if (caption.font != caption.label->font()) {
            caption.label->setFont(caption.font);
        }
        caption.label->setAlignment(Qt::AlignLeft |
                                    (caption.box != nullptr ? Qt::AlignVCenter : Qt::AlignTop));
    }
}

} // namespace shieldcalc::ui
