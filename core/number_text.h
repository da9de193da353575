// Conversion of a typed text to a single-precision number.
//
// The text is UTF-8; a text that is not well-formed UTF-8 (an overlong form,
// a surrogate, a code point above U+10FFFF, a cut-off sequence) is not a
// number. Accepted, after blanks (ASCII and the ideographic space) at either
// end are removed:
//   - an optional sign "+" or "-", digits with an optional decimal point and
//     an optional exponent: "1.5", "-3", "2e3", ".5", "5.", "1.5E-3";
//   - the decimal point "." always, and the locale's own decimal separator
//     (for example "," in a German locale) when the caller names it;
//   - the full-width forms that a Chinese input method types: the digits
//     "０" to "９", "＋", "－", "．", "ｅ" and "Ｅ", the ideographic full stop
//     "。" as decimal point, and the minus sign U+2212.
// Not accepted: group separators, hexadecimal, "inf" and "nan", anything else
// before, inside or after the number. Where the caller names "." as the
// locale's group separator (and the decimal separator is another), a "."
// after digits that do not begin with 0 and before exactly three digits
// ("1.000", "12.345,6") may be meant as grouping and is refused as
// ambiguous; "1.5", "1.0000" and "0.001" stay accepted.
//
// The value is the text's exact decimal value rounded to the nearest single-
// precision number, however many digits and however large an exponent the
// text has. A value that rounds beyond the single-precision range fails; one
// too small for it becomes 0 (or a subnormal), as rounding gives. The empty
// text is the caller's business and fails here as blank.
#pragma once

#include <stdexcept>
#include <string_view>

namespace shieldcalc {

class NumberFormatError : public std::invalid_argument {
public:
    enum class Reason {
        Blank,             // empty, or nothing but blanks
        NotANumber,        // not of the accepted form
        OutOfRange,        // beyond the single-precision range
        AmbiguousGrouping, // "." that may group thousands: "1.000"
    };
    explicit NumberFormatError(Reason reason);
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// decimalSeparator and groupSeparator are the locale's, as code points ("."
// is accepted as decimal point in every case); U'\0' for no group separator.
float parseNumber(std::string_view text, char32_t decimalSeparator = U'.',
                  char32_t groupSeparator = U'\0');

} // namespace shieldcalc
