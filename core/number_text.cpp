#include "core/number_text.h"

#include "core/utf8.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace shieldcalc {

namespace {

using Reason = NumberFormatError::Reason;

const char* reasonText(Reason reason) {
    switch (reason) {
    case Reason::Blank:
        return "no number given";
    case Reason::OutOfRange:
        return "number beyond single precision";
    case Reason::AmbiguousGrouping:
        return "number with a point that may group thousands";
    case Reason::NotANumber:
        break;
    }
    return "not a number";
}

// The significant digits kept of a long text. A number that lies exactly
// halfway between two neighbouring single-precision values has at most 113
// significant digits, so a text cut after more digits, with one non-zero
// digit standing in for whatever non-zero digits were cut, rounds exactly as
// the whole text does.
constexpr std::size_t kKeptDigits = 128;

// Written as 0.ddd x 10^e with a non-zero first digit d, a value with
// e > 39 is at least 10^39, beyond the largest single-precision value
// (3.4e38); one with e < -45 is below 10^-46, less than half the smallest
// subnormal (1.4e-45), and rounds to 0.
constexpr long long kLargestExponent = 39;
constexpr long long kSmallestExponent = -45;

// A written exponent is read up to this bound and kept there. The digits
// before it shift the exponent by at most the length of the text, which in
// any memory is far below the bound, so a kept exponent decides like the
// written one.
constexpr long long kExponentBound = 100'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
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

// Whether the "." at ascii[point] could be a group separator: it follows
// digits that do not begin with 0 (grouped numbers never do: "0.001" is
// plainly a fraction) and precedes exactly three digits.
bool mayGroupThousands(std::string_view ascii, std::size_t point) {
    const auto digitAt = [&](std::size_t i) {
        return i < ascii.size() && isDigit(ascii[i]);
    };
    std::size_t first = point;
    while (first > 0 && isDigit(ascii[first - 1]))
        --first;
    return first < point && ascii[first] != '0' && digitAt(point + 1) && digitAt(point + 2) &&
           digitAt(point + 3) && !digitAt(point + 4);
}

// The text in ASCII, each character replaced by what it stands for in a
// number; throws when a character stands for nothing or a "." may group
// thousands.
std::string asciiForm(std::string_view text, char32_t decimalSeparator, char32_t groupSeparator) {
    const bool pointGroups = groupSeparator == U'.' && decimalSeparator != U'.';
    std::string ascii;
    std::vector<std::size_t> periods; // where a "." was typed
    for (std::size_t i = 0; i < text.size();) {
        const auto cp = decodeUtf8(text, i);
        const char c = cp ? asciiEquivalent(*cp, decimalSeparator) : 0;
        if (c == 0)
            throw NumberFormatError(Reason::NotANumber);
        if (pointGroups && *cp == U'.')
            periods.push_back(ascii.size());
        ascii += c;
    }
    if (std::ranges::any_of(periods, [&](std::size_t p) { return mayGroupThousands(ascii, p); }))
        throw NumberFormatError(Reason::AmbiguousGrouping);
    return ascii;
}

// A number of the form [+-]? (d+ (. d*)? | . d+) (e [+-]? d+)?, held as
// sign, significant digits and exponent: 0.digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;     // from the first non-zero digit, at most kKeptDigits
    bool cut = false;       // non-zero digits beyond those kept
    long long exponent = 0; // meaningful when digits is not empty
};

std::optional<Decimal> readDecimal(std::string_view s) {
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        d.negative = s[i] == '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    bool inFraction = false;
    long long position = 0; // integer digits, less the zeros after the point before the first
    for (; i < s.size(); ++i) {
        if (s[i] == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (!isDigit(s[i]))
            break;
        ++mantissaDigits;
        if (d.digits.empty() && s[i] == '0') {
            position -= inFraction ? 1 : 0;
            continue;
        }
        position += inFraction ? 0 : 1;
        if (d.digits.size() < kKeptDigits)
            d.digits += s[i];
        else
            d.cut = d.cut || s[i] != '0';
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t first = i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), kExponentBound);
        if (i == first)
            return std::nullopt;
        exponent = negative ? -exponent : exponent;
    }
    if (i != s.size())
        return std::nullopt;
    d.exponent = position + exponent;
    return d;
}

// The magnitude of d rounded to single precision.
float magnitudeOf(const Decimal& d) {
    if (d.digits.empty() || d.exponent < kSmallestExponent)
        return 0;
    if (d.exponent > kLargestExponent)
        throw NumberFormatError(Reason::OutOfRange);
    const std::string text =
        "0." + d.digits + (d.cut ? "1" : "") + "e" + std::to_string(d.exponent);
    float value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (d.exponent > 0)
            throw NumberFormatError(Reason::OutOfRange);
        return 0; // too small for single precision: rounds to zero
    }
    return value;
}

} // namespace

NumberFormatError::NumberFormatError(Reason reason)
    : std::invalid_argument(reasonText(reason)), reason_(reason) {}

float parseNumber(std::string_view text, char32_t decimalSeparator, char32_t groupSeparator) {
    const std::string ascii = asciiForm(text, decimalSeparator, groupSeparator);
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        throw NumberFormatError(Reason::Blank);
    const auto decimal =
        readDecimal(std::string_view(ascii).substr(first, ascii.find_last_not_of(' ') + 1 - first));
    if (!decimal)
        throw NumberFormatError(Reason::NotANumber);
    const float magnitude = magnitudeOf(*decimal);
    return decimal->negative ? -magnitude : magnitude;
}

} // namespace shieldcalc
