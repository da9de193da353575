#include "ui/calculator_form.h"

#include "ui/choice_box.h"

#include "core/number_text.h"
#include "ui/fault_text.h"
#include "ui/window_hub.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace shieldcalc::ui {

namespace {

char32_t localeDecimalSeparator() {
    const QList<uint> codePoints = QLocale().decimalPoint().toUcs4();
    return codePoints.isEmpty() ? U'.' : static_cast<char32_t>(codePoints.front());
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

bool CalculatorForm::anyEmpty(std::initializer_list<const char*> boxes) const {
    return std::ranges::any_of(boxes, [this](const char* box) { return text(box).isEmpty(); });
}

float CalculatorForm::number(const char* box) const {
    const auto* edit = control<QLineEdit>(box);
    try {
        return parseNumber(edit->text().toStdString(), localeDecimalSeparator());
    } catch (const NumberFormatError& error) {
        throw CalculationFailure(
            conversionFailureText(labelOf(*this, edit), edit->text(), error.reason()));
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

void CalculatorForm::ask(const QString& prompt, const QString& title) {
    hub().showMessage(this, question(prompt, title));
}

void CalculatorForm::publish(const std::string& resultText) {
    hub().publishResult(kind_, QString::fromStdString(resultText));
}

void CalculatorForm::runCalculation(const std::function<void()>& calculate) {
    try {
        calculate();
    } catch (const CalculationFailure& failure) {
        hub().showMessage(this, critical(failure.explanation(), calculationTitle(kind_)));
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
