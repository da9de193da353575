#include "ui/choice_box.h"

#include <QLineEdit>

namespace shieldcalc::ui {

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
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
