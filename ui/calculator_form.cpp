#include "ui/calculator_form.h"

#include "ui/choice_box.h"

#include "core/number_text.h"
#include "ui/fault_text.h"
#include "ui/window_hub.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace shieldcalc::ui {

namespace {

// A separator of the user's locale as one code point; 0 for none.
char32_t codePointOf(const QString& separator) {
    const QList<uint> codePoints = separator.toUcs4();
    return codePoints.size() == 1 ? static_cast<char32_t>(codePoints.front()) : U'\0';
}

// The caption of the label that names box, without its closing colon.
QString labelOf(const QWidget& form, const QWidget* box) {
    for (const QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == box) {
            QString caption = label->text();
            while (caption.endsWith(u':') || caption.endsWith(u'：')) {
                caption.chop(1);
            }
            return caption;
        }
    }
    return box->objectName();
}

} // namespace

CalculatorForm::CalculatorForm(WindowHub& hub, const FormSpec& design, CalculationKind kind,
                               std::span<const InputReset> resets)
    : FormWindow(hub, design), kind_(kind), resets_(resets) {
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

void CalculatorForm::resetInputs() {
    for (const InputReset& reset : resets_) {
        const QString text = QString::fromUtf8(reset.text);
        auto* box = control<QWidget>(reset.box);
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            edit->setText(text);
        } else if (auto* choice = qobject_cast<ChoiceBox*>(box)) {
            choice->showPrompt(text);
        }
    }
}

QString CalculatorForm::text(const char* box) const {
    return control<QLineEdit>(box)->text();
}

const char* CalculatorForm::firstEmpty(std::initializer_list<const char*> boxes) const {
    const auto* empty =
        std::ranges::find_if(boxes, [this](const char* box) { return text(box).isEmpty(); });
    return empty != boxes.end() ? *empty : nullptr;
}

float CalculatorForm::number(const char* box) const {
    const auto* edit = control<QLineEdit>(box);
    try {
        const QLocale locale;
        const char32_t decimalSeparator = codePointOf(locale.decimalPoint());
        return parseNumber(edit->text().toStdString(),
                           decimalSeparator != U'\0' ? decimalSeparator : U'.',
                           codePointOf(locale.groupSeparator()));
    } catch (const NumberFormatError& error) {
        throw CalculationFailure(
            conversionFailureText(labelOf(*this, edit), edit->text(), error.reason()), box);
    }
}

float CalculatorForm::numberIfGiven(const char* box) const {
    return text(box).isEmpty() ? 0.0f : number(box);
}

ListIndex CalculatorForm::listIndex(const char* box) const {
    return control<ChoiceBox>(box)->listIndex();
}

SourceChoice CalculatorForm::fieldSource() const {
    return hub().fieldSource(sourceWindowOf(kind_));
}

void CalculatorForm::ask(const QString& prompt, const QString& title, const char* box) {
    hub().showMessage(this, question(prompt, title));
    showInput(box);
}

void CalculatorForm::showInput(const char* box) {
    auto* edit = control<QLineEdit>(box);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CalculatorForm::publish(const std::string& resultText) {
    hub().publishResult(kind_, QString::fromStdString(resultText));
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
