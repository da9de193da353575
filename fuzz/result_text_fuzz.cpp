// The result text of any double or single-precision value.
//
// Input: one byte choosing the precision, then the value's bits.
// Properties: a value that is not finite is refused with an ArithmeticFault;
// the text of a finite value is at most seven characters, never "nan" or
// "inf", begins with "-" exactly for a negative value (a blank otherwise),
// and reads back as a number within a factor of 10 of the value (0 for 0).
#include "core/fault.h"
#include "core/result_text.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using shieldcalc::fuzz::require;

template <class Real> void check(Real value) {
    std::string text;
    try {
        text = shieldcalc::resultText(value);
    } catch (const shieldcalc::ArithmeticFault&) {
        require(!std::isfinite(value), "only a value that is not finite is refused");
        return;
    }
    require(std::isfinite(value), "a value that is not finite is refused");
    require(!text.empty() && text.size() <= shieldcalc::kResultTextLength,
            "a result text has one to seven characters");
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    require(lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos,
            "a result text is never nan or inf");
    require(text.front() == (value < 0 ? '-' : ' '), "a result text begins with its sign");
    char* end = nullptr;
    const double shown = std::strtod(text.c_str(), &end);
    require(*end == '\0', "a result text is a number");
    if (value == 0) {
        require(shown == 0, "zero shows as 0");
        return;
    }
    const double ratio = shown / static_cast<double>(value);
    require(ratio >= 0.1 && ratio <= 10, "a result text is within a factor of 10 of the value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    shieldcalc::fuzz::ByteReader bytes(data, size);
    if (bytes.next<std::uint8_t>() % 2 == 0) {
        check(bytes.next<double>());
    } else {
        check(bytes.next<float>());
    }
    return 0;
}
