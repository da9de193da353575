// Chinese explanations of the run-time errors of a calculation.
//
// A calculation stops when a typed text is not a number or when the engine
// meets an arithmetic fault. The calculator forms report either in a message
// box; these functions give the words. Where the inputs make the cause of a
// fault plain (nothing chosen in a list, a zero frequency, a zero distance
// near the source...), a form names that cause with noChoiceText or
// notPositiveText; for the rest it falls back on faultText, which names the
// quantity that could not be computed.
#pragma once

#include "core/fault.h"
#include "core/number_text.h"

#include <QString>

#include <stdexcept>

namespace shieldcalc::ui {

// Thrown inside a calculator's OK handler to stop it; carries the explanation
// for the user (UTF-8 in what()) and, when it is about one text box, the
// object name of that box.
class CalculationFailure : public std::runtime_error {
public:
    explicit CalculationFailure(const QString& explanation, const char* box = nullptr);
    QString explanation() const;
    const char* box() const { return box_; }

private:
    const char* box_;
};

// A box whose text does not convert; boxLabel is the caption of the label
// that names the box. The text is quoted as textForMessage shows it: plain,
// visible and at most about 40 characters long.
QString conversionFailureText(const QString& boxLabel, const QString& text,
                              NumberFormatError::Reason reason);

// What went wrong and where, for a fault with no plainer explanation.
QString faultText(const ArithmeticFault& fault);

// How a plain explanation names a typed input: by name ("频率f") where it
// says what is wrong, by noun ("频率") and unit ("kHz", or nullptr for none)
// where it says what to enter. UTF-8.
struct InputName {
    const char* name;
    const char* noun;
    const char* unit;
};

// Nothing chosen in a drop-down list: what is missing ("屏蔽体的材料"),
// the list as the user finds it on the form, and what to choose there.
QString noChoiceText(const char* what, const char* list, const char* choice);

// An input that is 0 or negative (value) where the calculation needs it
// positive; where says in which case or for which quantity ("近场情况下",
// "多次反射修正B"), or is empty.
QString notPositiveText(const InputName& input, float value, const char* where = "");

} // namespace shieldcalc::ui
