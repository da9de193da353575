// A drop-down list with editable text, as the calculator forms use it for the
// material and the hole shape.
//
// Only choosing an entry from the list (with the mouse, the arrow keys, the
// wheel, or Enter on a text that names an entry) selects it. While a prompt
// written by the program or any text typed by the user stands in the box, no
// entry is chosen and listIndex() is kNoChoice. The rows of the list are
// kRowSpacing times as high as their text at least.
#pragma once

#include "core/inputs.h"

#include <QComboBox>

namespace shieldcalc::ui {

inline constexpr double kRowSpacing = 1.4;

class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget* parent);

    ListIndex listIndex() const;

    // Shows text, from its beginning, with no entry chosen.
    void showPrompt(const QString& text);

private:
    bool typedOver_ = false;
};

} // namespace shieldcalc::ui
