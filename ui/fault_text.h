// Chinese explanations of the run-time errors of a calculation.
//
// A calculation stops when a typed text is not a number or when the engine
// meets an arithmetic fault. The calculator forms report either in a message
// box; these functions give the words. The forms add, where the inputs make
// the cause plain, a hint of their own (no material chosen, a zero
// frequency...), and fall back on faultText for the rest.
#pragma once

#include "core/fault.h"
#include "core/number_text.h"

#include <QString>

#include <stdexcept>

namespace shieldcalc::ui {

// Thrown inside a calculator's OK handler to stop it; carries the explanation
// for the user (UTF-8 in what()).
class CalculationFailure : public std::runtime_error {
public:
    explicit CalculationFailure(const QString& explanation);
    QString explanation() const;
};

// A box whose text does not convert; boxLabel is the caption of the label
// that names the box.
QString conversionFailureText(const QString& boxLabel, const QString& text,
                              NumberFormatError::Reason reason);

// What went wrong and where, for a fault with no plainer explanation.
QString faultText(const ArithmeticFault& fault);

} // namespace shieldcalc::ui
