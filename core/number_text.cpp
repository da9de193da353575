#include "core/number_text.h"

#include <charconv>
#include <optional>
#include <string>

namespace shieldcalc {

NumberFormatError::NumberFormatError(Reason reason)
    : std::invalid_argument(reason == Reason::Blank        ? "no number given"
                            : reason == Reason::OutOfRange ? "number beyond single precision"
                                                           : "not a number"),
      reason_(reason) {}

namespace {

using Reason = NumberFormatError::Reason;

// Decodes one UTF-8 code point at text[i], advancing i; nullopt if malformed.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || i + static_cast<std::size_t>(extra) > text.size())
        return std::nullopt;
    char32_t cp = lead & (0x3F >> extra);
    while (extra-- > 0) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    return cp;
}

// The ASCII character a code point stands for in a number, or 0.
char asciiEquivalent(char32_t cp, char32_t decimalSeparator) {
    if (cp == decimalSeparator || cp == U'.' || cp == U'．' || cp == U'。')
        return '.';
    if (cp >= U'０' && cp <= U'９')
        return static_cast<char>('0' + (cp - U'０'));
    if (cp == U'＋')
        return '+';
    if (cp == U'－' || cp == U'\u2212')
        return '-';
    if (cp == U'ｅ' || cp == U'Ｅ')
        return 'e';
    if (cp == U' ' || cp == U'\t' || cp == U'\u3000')
        return ' ';
    if (cp < 0x80 && cp > 0x20)
        return static_cast<char>(cp);
    return 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks [+-]? (d+ (. d*)? | . d+) (e [+-]? d+)? and returns the decimal
// exponent of the leading non-zero digit (for telling an overflow from an
// underflow), or nullopt if the text is not of that form.
std::optional<long> checkForm(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    long integerDigits = 0, leadingFractionZeros = 0, mantissaDigits = 0;
    bool nonZeroSeen = false;
    for (; i < s.size() && isDigit(s[i]); ++i, ++mantissaDigits) {
        nonZeroSeen = nonZeroSeen || s[i] != '0';
        if (nonZeroSeen)
            ++integerDigits;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++mantissaDigits) {
            if (!nonZeroSeen && s[i] == '0')
                ++leadingFractionZeros;
            nonZeroSeen = nonZeroSeen || s[i] != '0';
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (i == s.size())
            return std::nullopt;
        for (; i < s.size() && isDigit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    if (i != s.size())
        return std::nullopt;
    return (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1) + exponent;
}

} // namespace

float parseNumber(std::string_view text, char32_t decimalSeparator) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        const auto cp = decodeUtf8(text, i);
        const char c = cp ? asciiEquivalent(*cp, decimalSeparator) : 0;
        if (c == 0)
            throw NumberFormatError(Reason::NotANumber);
        ascii += c;
    }
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        throw NumberFormatError(Reason::Blank);
    std::string_view number(ascii);
    number = number.substr(first, ascii.find_last_not_of(' ') + 1 - first);

    const auto leadingExponent = checkForm(number);
    if (!leadingExponent)
        throw NumberFormatError(Reason::NotANumber);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);

    float value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (*leadingExponent >= 0)
            throw NumberFormatError(Reason::OutOfRange);
        value = 0; // too small for single precision: rounds to zero
    } else if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
        throw NumberFormatError(Reason::NotANumber);
    }
    return negative ? -value : value;
}

} // namespace shieldcalc
