// The boxes and lists of a calculator form, found once through the
// calculation's field table (core/fields.h).
//
// InputBoxes finds the control of every row when the form is built; a name
// that matches no control of the row's kind stops the program there, in every
// build. Through the table it resets the controls (text boxes empty, lists
// showing their prompt), finds the first input the case needs whose box is
// exactly empty, and reads the input record, converting the texts in row
// order; an input not needed in the case at hand reads as 0 when empty.
#pragma once

#include "core/fields.h"
#include "ui/choice_box.h"
#include "ui/material_list.h"

#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <span>
#include <vector>

namespace shieldcalc::ui {

// The control named name among the direct children of form; stops the
// program when there is none of that kind.
QLineEdit* findTextBox(QWidget& form, const char* name);
ChoiceBox* findChoiceBox(QWidget& form, const char* name);

// The caption of the label that names box on form, without its closing colon.
QString labelOf(const QWidget& form, const QWidget* box);

// The text of box as a number, converted with the user's locale; throws
// CalculationFailure naming the box (by the caption of its label on form),
// and about the box called name, when it is not a number.
float boxNumber(const QWidget& form, const QLineEdit& box, const char* name);

// The prompt of a list where it is not kChoosePrompt.
struct ListPrompt {
    std::string_view key;
    const char* prompt;
};

template <class Input> class InputBoxes {
public:
    InputBoxes(QWidget& form, std::span<const Field<Input>> fields,
               std::span<const ListPrompt> prompts = {})
        : form_(form), fields_(fields) {
        for (const Field<Input>& field : fields) {
            Control control{.field = &field};
            if (field.kind() == FieldKind::Number) {
                control.box = findTextBox(form, field.control);
            } else {
                control.list = findChoiceBox(form, field.control);
                const auto prompt = std::ranges::find(prompts, field.key, &ListPrompt::key);
                control.prompt =
                    QString::fromUtf8(prompt == prompts.end() ? kChoosePrompt : prompt->prompt);
            }
            controls_.push_back(control);
        }
    }

    // Empties the text boxes and shows each list's prompt, with no entry chosen.
    void reset() const {
        for (const Control& c : controls_) {
            if (c.box != nullptr) {
                c.box->setText(QString());
            } else {
                c.list->showPrompt(c.prompt);
            }
        }
    }

    // The first input the case needs whose box is exactly empty (a text of
    // blanks is not empty); nullptr when there is none.
    const Field<Input>* firstMissing(SourceChoice source) const {
        const auto shape = std::ranges::find(controls_, FieldKind::Shape,
                                             [](const Control& c) { return c.field->kind(); });
        const ListIndex chosenShape =
            shape == controls_.end() ? kNoChoice : shape->list->listIndex();
        return shieldcalc::firstMissing(
            fields_, source, chosenShape, [this](const Field<Input>& f) {
                return controls_[static_cast<std::size_t>(&f - fields_.data())]
                    .box->text()
                    .isEmpty();
            });
    }

    // The input record; throws CalculationFailure at the first text, in row
    // order, that is not a number.
    Input read() const {
        Input input;
        for (const Control& c : controls_) {
            const Field<Input>& field = *c.field;
            switch (field.kind()) {
            case FieldKind::Number:
                input.*field.number = field.needed != Needed::Always && c.box->text().isEmpty()
                                          ? 0.0f
                                          : boxNumber(form_, *c.box, field.control);
                break;
            case FieldKind::Material:
                input.*field.material = c.list->listIndex();
                break;
            case FieldKind::Shape:
                input.*field.shape = c.list->listIndex();
                break;
            }
        }
        return input;
    }

private:
    struct Control {
        const Field<Input>* field;
        QLineEdit* box = nullptr;
        ChoiceBox* list = nullptr;
        QString prompt = {}; // of a list
    };

    QWidget& form_;
    std::span<const Field<Input>> fields_;
    std::vector<Control> controls_; // one per field, in table order
};

} // namespace shieldcalc::ui
