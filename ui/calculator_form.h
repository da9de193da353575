// The common ground of the four calculator forms.
//
// A calculator form collects the inputs of one calculation. Its OK handler is
// one straight sequence, written by each form in its calculate():
//
//   check    an exactly empty required box: a question box, stop
//   convert  text -> single-precision number (InputBoxes::read(); throws on
//            a bad text)
//   compute  the engine's pure function (an arithmetic fault is rethrown as
//            a CalculationFailure with a plain explanation)
//   publish  result text -> result window, this form hidden
//
// runCalculation catches a CalculationFailure and shows it in a critical box
// titled with the calculation. Every window change comes last, so a failure
// leaves every window and every input as it was. After a message about one
// input, that box has the focus with its text selected.
//
// A form finds its boxes once, through the calculation's field table
// (InputBoxes). Enter in a text box presses OK. Back (or Esc) returns to the
// field-source window with its choice cleared, Exit ends the application, and
// resetInputs is what the field-source window's OK does to the form before
// showing it.
#pragma once

#include "core/fault.h"
#include "core/fault_cause.h"
#include "core/fields.h"
#include "core/inputs.h"
#include "core/result_text.h"
#include "ui/calculation.h"
#include "ui/computation.h"
#include "ui/fault_text.h"
#include "ui/form_window.h"
#include "ui/input_boxes.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace shieldcalc::ui {

// The question a form asks when a group of needed inputs has an empty box.
struct MissingPrompt {
    Needed group;
    const char* prompt;
    const char* title;
};

class CalculatorForm : public FormWindow {
public:
    CalculatorForm(WindowHub& hub, const FormSpec& design, CalculationKind kind);

    // What the field-source window does to the form before showing it:
    // empties the text boxes and shows the prompt in the lists.
    virtual void resetInputs() = 0;

protected:
    // Runs calculate when OK (Comm2) is clicked.
    template <class Form> void onOk(void (Form::*calculate)()) {
        connect(control<QAbstractButton>("Comm2"), &QAbstractButton::clicked, this,
                [this, calculate] {
                    runCalculation([this, calculate] { (static_cast<Form*>(this)->*calculate)(); });
                });
    }

    // The source chosen in the field-source window of this calculation.
    SourceChoice fieldSource() const;

    // computation(input, source); an arithmetic fault stops the calculation
    // with its explanation in the form's words for its inputs, about the
    // control of the input its cause names (found in fields).
    template <class Input, class Result>
    static Result compute(Result (*computation)(const Input&, SourceChoice), const Input& input,
                          SourceChoice source, std::span<const InputWords> words,
                          std::span<const Field<Input>> fields) {
        try {
            return computation(input, source);
        } catch (const ArithmeticFault& fault) {
            const std::optional<FaultCause> cause = faultCause(fault, input, source);
            const char* control = nullptr;
            if (cause) {
                const auto field = std::ranges::find(fields, cause->input, &Field<Input>::key);
                control = field == fields.end() ? nullptr : field->control;
            }
            throw CalculationFailure(faultExplanation(fault, cause, words), control);
        }
    }

    // A missing input of group: the question box of that group, then the
    // focus in box.
    void ask(Needed group, const char* box, std::span<const MissingPrompt> prompts);
    // Hands the result text over to the result window, with the input record
    // and the source it was computed from.
    void publish(const std::string& resultText, const CalculationInput& input, SourceChoice source);

private:
    void runCalculation(const std::function<void()>& calculate);
    // Focuses the control of an input and selects its text.
    void showInput(const char* control);
    void Comm1_Click(); // Back
    void Comm4_Click(); // Exit

    CalculationKind kind_;
};

// What makes the form of one calculation: its window, its field table, the
// prompts of its lists where they differ from kChoosePrompt, its questions for
// missing inputs, its words for the inputs in explanations, and the
// computation.
template <class Input, class Result> struct CalculationDesign {
    const FormSpec& form;
    CalculationKind kind;
    std::span<const Field<Input>> fields;
    std::span<const ListPrompt> listPrompts;
    std::span<const MissingPrompt> prompts;
    std::span<const InputWords> words;
    Result (*compute)(const Input&, SourceChoice);
};

// A calculator form run by its design: OK asks for the first missing input,
// reads the record through the field table, computes and publishes.
template <class Input, class Result> class FieldForm : public CalculatorForm {
public:
    FieldForm(WindowHub& hub, const CalculationDesign<Input, Result>& design)
        : CalculatorForm(hub, design.form, design.kind), design_(design),
          boxes_(*this, design.fields, design.listPrompts) {
        onOk(&FieldForm::calculate);
    }

    void resetInputs() override { boxes_.reset(); }

private:
    void calculate() {
        const SourceChoice source = fieldSource();
        if (const Field<Input>* missing = boxes_.firstMissing(source)) {
            ask(missing->needed, missing->control, design_.prompts);
            return;
        }
        const Input input = boxes_.read();
        const Result se = compute(design_.compute, input, source, design_.words, design_.fields);
        publish(resultText(se), input, source);
    }

    CalculationDesign<Input, Result> design_;
    InputBoxes<Input> boxes_;
};

} // namespace shieldcalc::ui
