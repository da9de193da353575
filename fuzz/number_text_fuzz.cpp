// Text to number, on any bytes, with the separators of three locales.
//
// Input: one byte choosing the locale's separators, then the text.
// Properties:
//   - the conversion gives a finite value or throws NumberFormatError;
//   - only well-formed UTF-8 is accepted;
//   - with the C separators, an accepted ASCII text is read by the C library
//     to its last non-blank character and to the same value, a text refused
//     as out of range is one the C library takes to infinity, and a text of
//     plain decimal characters that the C library reads whole to a finite
//     value is accepted;
//   - a locale's group separator may refuse a text but never changes a value.
#include "core/number_text.h"
#include "core/utf8.h"
#include "fuzz_support.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <optional>
#include <string>

namespace {

using shieldcalc::NumberFormatError;
using shieldcalc::parseNumber;
using shieldcalc::fuzz::require;

struct Separators {
    char32_t decimal;
    char32_t group;
};

constexpr Separators kSeparators[] = {
    {U'.', U'\0'},     // C
    {U',', U'.'},      // German
    {U',', U'\u202F'}, // French
};

struct Outcome {
    std::optional<float> value;
    NumberFormatError::Reason reason = NumberFormatError::Reason::NotANumber;
};

Outcome convert(std::string_view text, Separators separators) {
    try {
        const float value = parseNumber(text, separators.decimal, separators.group);
        require(std::isfinite(value), "an accepted number is finite");
        return {value};
    } catch (const NumberFormatError& error) {
        return {std::nullopt, error.reason()};
    }
}

bool wellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!shieldcalc::decodeUtf8(text, i)) {
            return false;
        }
    }
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The text compared with the C library's strtof.
void compareWithCLibrary(const std::string& text, const Outcome& outcome) {
    if (text.find_first_not_of(" \t+-.0123456789eE") != std::string::npos) {
        return; // the C library also reads hexadecimal, inf and nan
    }
    errno = 0;
    char* end = nullptr;
    const float c = std::strtof(text.c_str(), &end);
    const bool rangeError = errno == ERANGE;
    std::string_view rest(end, static_cast<std::size_t>(text.c_str() + text.size() - end));
    while (!rest.empty() && isBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    const bool readWhole = end != text.c_str() && rest.empty();
    if (outcome.value) {
        require(readWhole, "an accepted text is read whole by the C library");
        require(std::bit_cast<std::uint32_t>(*outcome.value) == std::bit_cast<std::uint32_t>(c),
                "an accepted number equals the C library's reading");
    } else if (outcome.reason == NumberFormatError::Reason::OutOfRange) {
        require(readWhole && rangeError && std::isinf(c),
                "a number refused as out of range is infinite to the C library");
    } else if (readWhole) {
        require(outcome.reason == NumberFormatError::Reason::Blank || std::isinf(c),
                "a decimal text that the C library reads whole is accepted");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    shieldcalc::fuzz::ByteReader bytes(data, size);
    const Separators separators = kSeparators[bytes.next<std::uint8_t>() % std::size(kSeparators)];
    const std::string text(bytes.rest());

    const Outcome outcome = convert(text, separators);
    if (outcome.value) {
        require(wellFormedUtf8(text), "only well-formed UTF-8 is accepted");
    }
    if (separators.group == U'\0') {
        if (separators.decimal == U'.') {
            compareWithCLibrary(text, outcome);
        }
        return 0;
    }
    if (outcome.value) {
        const Outcome ungrouped = convert(text, {separators.decimal, U'\0'});
        require(ungrouped.value && std::bit_cast<std::uint32_t>(*ungrouped.value) ==
                                       std::bit_cast<std::uint32_t>(*outcome.value),
                "a group separator never changes a value");
    }
    return 0;
}
