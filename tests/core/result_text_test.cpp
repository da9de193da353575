// The seven-character result text.
#include "core/result_text.h"

#include <gtest/gtest.h>

namespace shieldcalc {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

TEST(ResultText, DoublePrecisionValues) {
    const TextCase cases[] = {
        {"cut_not_rounded", 85.123456, " 85.123"},
        {"cut_three_digit", 123.456789, " 123.45"},
        {"whole_number", 40, " 40"},
        {"negative", -12.3456, "-12.345"},
        {"no_leading_zero", 0.25, " .25"},
        {"negative_fraction", -0.103527750247338, "-.10352"},
        {"zero", 0, " 0"},
        {"negative_zero", -0.0, " 0"},
        {"six_integer_digits", 999999.4, " 999999"},
        {"six_integer_digits_negative", -999999, "-999999"},
        {"seven_integer_digits", 1234567.8, " 1.23E6"},
        {"million", 1e6, " 1E6"},
        {"rounds_up_to_a_million", 999999.9999999999, " 1E6"},
        {"negative_million", -1234567.8, "-1.23E6"},
        {"large_exponent", 1.5e15, " 1.5E15"},
        {"three_digit_exponent", 1e100, " 1E100"},
        {"smallest_plain", 0.00001, " .00001"},
        {"small_plain_cut", 0.0000123, " .00001"},
        {"below_smallest_plain", 0.0000099, " 9.9E-6"},
        {"small_exponent", 1.2e-7, " 1.2E-7"},
        {"small_negative_exponent", -1.2e-7, "-1.2E-7"},
        {"tiny", 1e-300, " 1E-300"},
        {"tiny_negative", -3.3e-300, "-3E-300"},
        {"mantissa_trailing_zero_dropped", 1.05e7, " 1.05E7"},
        {"mantissa_cut_to_zero_dropped", 1.0049e7, " 1E7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resultText(c.value), c.text) << c.name;
}

TEST(ResultText, SinglePrecisionCarriesSevenDigits) {
    EXPECT_EQ(resultText(464.43658f), " 464.43");
    EXPECT_EQ(resultText(-25.074114f), "-25.074");
    EXPECT_EQ(resultText(0.1f), " .1");
    EXPECT_EQ(resultText(static_cast<double>(0.1f)), " .10000");
    EXPECT_EQ(resultText(1097.6514f), " 1097.6");
    EXPECT_EQ(resultText(1234567.8f), " 1.23E6");
    EXPECT_EQ(resultText(0.0023840165f), " .00238");
}

TEST(ResultText, AlwaysSevenCharactersOrFewer) {
    for (double v = 1e-310; v < 1e300; v *= 7.3) {
        for (double value : {v, -v}) {
            const std::string text = resultText(value);
            EXPECT_LE(text.size(), kResultTextLength) << value;
            EXPECT_TRUE(text[0] == ' ' || text[0] == '-') << value;
            EXPECT_NE(text.find_first_of("123456789"), std::string::npos) << value;
        }
    }
}

} // namespace
} // namespace shieldcalc
