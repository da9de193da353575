#include "ui/choice_box.h"

#include "ui/captions.h"

#include <QLineEdit>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace shieldcalc::ui {

namespace {

// List rows kRowSpacing times as high as their text at least, so that the
// frame of the current row clears the characters.
class SpaciousRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int text = captionSize(index.data().toString(), option.font, nullptr).height();
        size.setHeight(std::max(size.height(), static_cast<int>(std::ceil(kRowSpacing * text))));
        return size;
    }
};

} // namespace

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setItemDelegate(new SpaciousRows(this));
    // textEdited comes from the user's typing only, never from setEditText.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typedOver_ = true; });
    connect(this, &QComboBox::activated, this, [this] { typedOver_ = false; });
}

ListIndex ChoiceBox::listIndex() const {
    return typedOver_ ? kNoChoice : static_cast<ListIndex>(currentIndex());
}

void ChoiceBox::showPrompt(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
    typedOver_ = false;
    // A prompt wider than the box shows its beginning, not its end.
    lineEdit()->setCursorPosition(0);
}

} // namespace shieldcalc::ui
