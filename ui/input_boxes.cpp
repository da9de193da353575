#include "ui/input_boxes.h"

#include "core/number_text.h"
#include "ui/fault_text.h"

#include <QLabel>
#include <QLocale>

namespace shieldcalc::ui {

namespace {

template <class Control> Control* findControl(QWidget& form, const char* name) {
    auto* found = form.findChild<Control*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (found == nullptr) {
        qFatal("form %s has no %s named %s", qPrintable(form.objectName()),
               Control::staticMetaObject.className(), name);
    }
    return found;
}

// A separator of the user's locale as one code point; 0 for none.
char32_t codePointOf(const QString& separator) {
    const QList<uint> codePoints = separator.toUcs4();
    return codePoints.size() == 1 ? static_cast<char32_t>(codePoints.front()) : U'\0';
}

} // namespace

QLineEdit* findTextBox(QWidget& form, const char* name) {
    return findControl<QLineEdit>(form, name);
}

ChoiceBox* findChoiceBox(QWidget& form, const char* name) {
    return findControl<ChoiceBox>(form, name);
}

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

float boxNumber(const QWidget& form, const QLineEdit& box, const char* name) {
    try {
        const QLocale locale;
        const char32_t decimalSeparator = codePointOf(locale.decimalPoint());
        return parseNumber(box.text().toStdString(),
                           decimalSeparator != U'\0' ? decimalSeparator : U'.',
                           codePointOf(locale.groupSeparator()));
    } catch (const NumberFormatError& error) {
        throw CalculationFailure(
            conversionFailureText(labelOf(form, &box), box.text(), error.reason()), name);
    }
}

} // namespace shieldcalc::ui
