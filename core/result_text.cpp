#include "core/result_text.h"

#include "core/fault.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace shieldcalc {

namespace {

// Plain decimal form while the exponent of the leading digit is within these
// bounds: six integer digits at most, and a leading digit within the first
// five places after the point.
constexpr int kMaxPlainExponent = 5;
constexpr int kMinPlainExponent = -5;

template <class T> std::string resultTextOf(T value, int significantDigits) {
    if (!std::isfinite(value))
        throw ArithmeticFault(FaultKind::NonFiniteInput, Quantity::ShieldingEffectiveness);
    if (value == 0)
        return " 0";

    // d.ddde±x, rounded to the significant digits of the value's precision.
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(converted.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits(scientific.substr(0, e));
    if (digits.size() > 1)
        digits.erase(1, 1); // the decimal point
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());

    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent >= kMinPlainExponent && exponent <= kMaxPlainExponent) {
        if (exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() < integerDigits)
                digits.append(integerDigits - digits.size(), '0');
            text += digits.substr(0, integerDigits);
            if (digits.size() > integerDigits)
                text += '.' + digits.substr(integerDigits);
        } else {
            text += '.';
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        }
        return text.substr(0, kResultTextLength);
    }

    // Exponent form: a mantissa cut to the room the exponent leaves.
    const std::string exponentText = std::to_string(exponent);
    const std::size_t room = kResultTextLength - 2 - exponentText.size();
    std::string mantissa = digits.substr(0, 1);
    if (room >= 3 && digits.size() > 1) {
        mantissa += '.' + digits.substr(1, room - 2);
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    return text + mantissa + 'E' + exponentText;
}

} // namespace

std::string resultText(double value) {
    return resultTextOf(value, 15);
}
std::string resultText(float value) {
    return resultTextOf(value, 7);
}

} // namespace shieldcalc
