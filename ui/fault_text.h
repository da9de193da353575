// Chinese explanations of the run-time errors of a calculation.
//
// A calculation stops when a typed text is not a number or when the engine
// meets an arithmetic fault. The calculator forms report either in a message
// box; these functions give the words. Where the engine finds the cause of a
// fault plain (nothing chosen in a list, a zero frequency, a zero distance
// near the source...), faultExplanation names that cause in the form's own
// words for its inputs; for the rest it falls back on faultText, which names
// the quantity that could not be computed.
#pragma once

#include "core/fault.h"
#include "core/fault_cause.h"
#include "core/number_text.h"

#include <QString>

#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

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

// How a form names one of its inputs in an explanation (UTF-8). A number:
// by name ("频率f") where the text says what is wrong, by noun ("频率") and
// unit ("kHz", or nullptr for none) where it says what to enter. A list:
// what is missing ("屏蔽体的材料"), the list as the user finds it on the
// form ("“屏蔽体的材料”") and what to choose there ("一种金属").
struct InputWords {
    std::string_view key; // the input, as the engine's fault cause names it
    const char* name;
    const char* noun;
    const char* unit;
};

// The explanation of a fault: its plain cause where the engine knows one,
// in the words of the form; otherwise faultText.
QString faultExplanation(const ArithmeticFault& fault, const std::optional<FaultCause>& cause,
                         std::span<const InputWords> words);

} // namespace shieldcalc::ui
