#include "ui/calculator_form.h"

#include "ui/window_hub.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

#include <algorithm>

namespace shieldcalc::ui {

CalculatorForm::CalculatorForm(WindowHub& hub, const FormSpec& design, CalculationKind kind)
    : FormWindow(hub, design), kind_(kind) {
    onClick("Comm1", &CalculatorForm::Comm1_Click);
    onClick("Comm4", &CalculatorForm::Comm4_Click);
    pressOnKey(QKeySequence(Qt::Key_Escape), "Comm1");
    // Enter in a text box presses OK; in a drop-down box it still chooses
    // the entry typed (the box's own edit field is not a child of the form).
    auto* ok = control<QAbstractButton>("Comm2");
    for (auto* box : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        connect(box, &QLineEdit::returnPressed, ok, &QAbstractButton::click);
    }
}

SourceChoice CalculatorForm::fieldSource() const {
    return hub().fieldSource(sourceWindowOf(kind_));
}

void CalculatorForm::ask(Needed group, const char* box, std::span<const MissingPrompt> prompts) {
    const auto asked = std::ranges::find(prompts, group, &MissingPrompt::group);
    Q_ASSERT(asked != prompts.end()); // a form has a question for each group it checks
    if (asked != prompts.end()) {
        hub().showMessage(
            this, question(QString::fromUtf8(asked->prompt), QString::fromUtf8(asked->title)));
    }
    showInput(box);
}

void CalculatorForm::showInput(const char* name) {
    auto* input = control<QWidget>(name);
    input->setFocus(Qt::OtherFocusReason);
    if (auto* list = qobject_cast<QComboBox*>(input); list != nullptr && list->isEditable()) {
        list->lineEdit()->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(input)) {
        edit->selectAll();
    }
}

void CalculatorForm::publish(const std::string& resultText, const CalculationInput& input,
                             SourceChoice source) {
    hub().publishResult(kind_, QString::fromStdString(resultText), {input, source});
}

void CalculatorForm::runCalculation(const std::function<void()>& calculate) {
    try {
        calculate();
    } catch (const CalculationFailure& failure) {
        hub().showMessage(this, critical(failure.explanation(), calculationTitle(kind_)));
        if (failure.box() != nullptr) {
            showInput(failure.box());
        }
    }
}

void CalculatorForm::Comm1_Click() {
    const SourceWindow window = sourceWindowOf(kind_);
    if (!hub().fieldSource(window)) {
        return;
    }
    hub().clearSourceSelection(window);
    hide();
    hub().showFieldSource(window);
}

void CalculatorForm::Comm4_Click() {
    hub().exitApplication();
}

} // namespace shieldcalc::ui
