// Conversion of a typed text to a single-precision number.
//
// Accepted, after blanks (ASCII and the ideographic space) at either end are
// removed:
//   - an optional sign "+" or "-", digits with an optional decimal point and
//     an optional exponent: "1.5", "-3", "2e3", ".5", "5.", "1.5E-3";
//   - the decimal point "." always, and the locale's own decimal separator
//     (for example "," in a German locale) when the caller names it;
//   - the full-width forms that a Chinese input method types: the digits
//     "０" to "９", "＋", "－", "．", "ｅ" and "Ｅ", the ideographic full stop
//     "。" as decimal point, and the minus sign U+2212.
// Not accepted: group separators, hexadecimal, "inf" and "nan", anything else
// before, inside or after the number. A value beyond the single-precision
// range fails; one too small for it becomes 0 (or a subnormal), as rounding
// gives. The empty text is the caller's business and fails here as blank.
#pragma once

#include <stdexcept>
#include <string_view>

namespace shieldcalc {

class NumberFormatError : public std::invalid_argument {
public:
    enum class Reason {
        Blank,      // empty, or nothing but blanks
        NotANumber, // not of the accepted form
        OutOfRange, // beyond the single-precision range
    };
    explicit NumberFormatError(Reason reason);
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// text is UTF-8. decimalSeparator is the locale's decimal separator as a
// code point; "." is accepted in every case.
float parseNumber(std::string_view text, char32_t decimalSeparator = U'.');

} // namespace shieldcalc
