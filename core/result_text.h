// The seven-character text of a result, as the result window shows it.
//
// The value is written in plain decimal form, independent of the locale: a
// sign position (a blank, or "-" for a negative value), then the digits,
// rounded to at most 15 significant digits for a double and 7 for a single,
// with "." as decimal point, no trailing zeros, no decimal point after a whole
// number and no zero before the point of a magnitude below 1 (0.25 gives
// " .25"). The text is then cut, not rounded, to its first 7 characters:
// 85.123456 gives " 85.123", -12.3456 gives "-12.345".
//
// Where that cut would misstate the magnitude (more than six integer digits,
// or a non-zero value below 1e-5 whose first characters are all zeros), the
// value is written instead as a cut mantissa and a decimal exponent that fit
// in the same seven characters: 1234567.8 gives " 1.23E6", 1.2e-7 gives
// " 1.2E-7", -3e-300 gives "-3E-300".
#pragma once

#include <string>

namespace shieldcalc {

inline constexpr std::size_t kResultTextLength = 7;

std::string resultText(double value); // up to 15 significant digits
std::string resultText(float value);  // up to 7 significant digits

} // namespace shieldcalc
