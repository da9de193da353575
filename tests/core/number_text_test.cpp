// Conversion of typed texts to single-precision numbers.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace shieldcalc {
namespace {

struct ParseCase {
    const char* text;
    char32_t decimalSeparator;
    float value;
};

TEST(ParseNumber, AcceptedForms) {
    const ParseCase cases[] = {
        {"1.5", U'.', 1.5f},
        {"-3", U'.', -3},
        {"+7", U'.', 7},
        {"2e3", U'.', 2000},
        {"1.5E-3", U'.', 1.5e-3f},
        {".5", U'.', 0.5f},
        {"5.", U'.', 5},
        {"0.1", U'.', 0.1f},
        {"  12\t", U'.', 12},
        {"\u3000"
         "12"
         "\u3000",
         U'.', 12},
        {"１２．５", U'.', 12.5f},
        {"－３", U'.', -3},
        {"＋２ｅ３", U'.', 2000},
        {"12。5", U'.', 12.5f},
        {"\u22124", U'.', -4},
        {"1,5", U',', 1.5f},
        {"1.5", U',', 1.5f},
        {"3.4028234e38", U'.', FLT_MAX},
        {"1e-50", U'.', 0},
        {"-1e-50", U'.', -0.0f},
        {"0.000000000000000000000000000000000000000000000000001", U'.', 0},
        {"1.4e-45", U'.', 0x1p-149f},
        {"7.0065e-46", U'.', 0x1p-149f},
        {"7.006e-46", U'.', 0},
        {"3.40282356e38", U'.', FLT_MAX},
        {"1e-39", U'.', 1e-39f},
        {"0001.000", U'.', 1},
        {"-0", U'.', -0.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text, c.decimalSeparator), c.value) << c.text;
}

struct RejectCase {
    const char* text;
    char32_t decimalSeparator;
    NumberFormatError::Reason reason;
};

TEST(ParseNumber, RejectedTexts) {
    using R = NumberFormatError::Reason;
    const RejectCase cases[] = {
        {"", U'.', R::Blank},
        {"   ", U'.', R::Blank},
        {"\u3000", U'.', R::Blank},
        {"abc", U'.', R::NotANumber},
        {"1,5", U'.', R::NotANumber},
        {"1,234.5", U'.', R::NotANumber},
        {"1.2.3", U'.', R::NotANumber},
        {"1 2", U'.', R::NotANumber},
        {"1e", U'.', R::NotANumber},
        {"e5", U'.', R::NotANumber},
        {".", U'.', R::NotANumber},
        {"-", U'.', R::NotANumber},
        {"--1", U'.', R::NotANumber},
        {"0x10", U'.', R::NotANumber},
        {"inf", U'.', R::NotANumber},
        {"nan", U'.', R::NotANumber},
        {"12kHz", U'.', R::NotANumber},
        {"\xff", U'.', R::NotANumber},
        {"\xe4\xb8", U'.', R::NotANumber},
        {"\xc0\xb1", U'.', R::NotANumber}, // overlong "1"
        {"1\xe0\x80\xae"
         "5",
         U'.', R::NotANumber},                      // overlong "."
        {"\xf0\x8f\xbc\x91", U'.', R::NotANumber},  // overlong "１"
        {"1\xed\xa0\x80", U'.', R::NotANumber},     // surrogate
        {"1\xf4\x90\x80\x80", U'.', R::NotANumber}, // above U+10FFFF
        {"1\xef\xbc", U'.', R::NotANumber},         // "１" cut off
        {"\xbc\x91", U'.', R::NotANumber},          // stray continuation bytes
        {"1e39", U'.', R::OutOfRange},
        {"-1e39", U'.', R::OutOfRange},
        {"3.4028236e38", U'.', R::OutOfRange},
        {"3.40282357e38", U'.', R::OutOfRange},
        {"1e99999999999999999999", U'.', R::OutOfRange},
    };
    for (const auto& c : cases) {
        try {
            const float value = parseNumber(c.text, c.decimalSeparator);
            ADD_FAILURE() << '"' << c.text << "\" gave " << value;
        } catch (const NumberFormatError& error) {
            EXPECT_EQ(error.reason(), c.reason) << '"' << c.text << '"';
        }
    }
}

// Long texts: the decision is taken on the exact value of the whole text.
struct LongCase {
    const char* name;
    std::string text;
    float value;             // when accepted
    bool outOfRange = false; // refused instead
};

std::string repeated(char c, std::size_t count) {
    return std::string(count, c);
}

class LongNumber : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongNumber, IsDecidedOnItsExactValue) {
    const LongCase& c = GetParam();
    if (c.outOfRange) {
        try {
            const float value = parseNumber(c.text);
            ADD_FAILURE() << "gave " << value;
        } catch (const NumberFormatError& error) {
            EXPECT_EQ(error.reason(), NumberFormatError::Reason::OutOfRange);
        }
    } else {
        EXPECT_EQ(parseNumber(c.text), c.value);
        // Where the C library reads it too, it agrees.
        EXPECT_EQ(parseNumber(c.text), std::strtof(c.text.c_str(), nullptr));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ParseNumber, LongNumber,
    ::testing::Values(
        LongCase{"tiny_digits_huge_exponent", "0." + repeated('0', 110000) + "1e200000", 0, true},
        LongCase{"many_digits_tiny_exponent", repeated('1', 110000) + "e-200000", 0},
        LongCase{"many_digits_just_below_max", repeated('1', 110000) + "e-109961", 1.1111111e38f},
        LongCase{"many_digits_just_above_max", repeated('1', 110000) + "e-109960", 0, true},
        LongCase{"leading_zeros_then_one", "0." + repeated('0', 110000) + "1e110001", 1},
        LongCase{"exponent_with_many_digits", "1e-" + repeated('9', 50), 0},
        LongCase{"exponent_of_zeros", "2.5e" + repeated('0', 50), 2.5f},
        LongCase{"halfway_decided_by_last_digit",
                 "1.00000005960464477539062500000000000000000000000000000000000000000001",
                 1.0000001f},
        LongCase{"halfway_rounds_to_even", "1.000000059604644775390625", 1},
        LongCase{"below_halfway_far_out", "1.000000059604644775390624" + repeated('9', 300), 1},
        LongCase{"halfway_smallest_subnormal_and_more",
                 "7.00649232162408535461864791644958065640130970938257885878534141944895541342930"
                 "300743319094181060791015625" +
                     repeated('0', 200) + "1e-46",
                 0x1p-149f},
        LongCase{"halfway_smallest_subnormal",
                 "7.00649232162408535461864791644958065640130970938257885878534141944895541342930"
                 "300743319094181060791015625e-46",
                 0}),
    [](const auto& info) { return info.param.name; });

// Where "." groups thousands, a "." before exactly three digits may be
// grouping and is refused; other points stay decimal points.
struct GroupingCase {
    const char* text;
    bool ambiguous;
    float value; // when not ambiguous
};

TEST(ParseNumber, PointThatMayGroupThousands) {
    const GroupingCase cases[] = {
        {"1.000", true, 0},    {"12.345", true, 0},      {"-1.000", true, 0},
        {"1.000e3", true, 0},  {"1.000,5", true, 0},     {"1000", false, 1000},
        {"1,5", false, 1.5f},  {"1.5", false, 1.5f},     {"1.0000", false, 1},
        {".500", false, 0.5f}, {"0.001", false, 0.001f}, {"-0.250", false, -0.25f},
        {"1,000", false, 1},   {"1．000", false, 1},
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(parseNumber(c.text, U',', U'.'), c.value) << c.text;
            EXPECT_FALSE(c.ambiguous) << c.text;
        } catch (const NumberFormatError& error) {
            EXPECT_TRUE(c.ambiguous) << c.text;
            EXPECT_EQ(error.reason(), NumberFormatError::Reason::AmbiguousGrouping) << c.text;
        }
    }
    // Where "." is the decimal point, or groups nothing, "1.000" is one.
    EXPECT_EQ(parseNumber("1.000", U'.', U','), 1);
    EXPECT_EQ(parseNumber("1.000", U',', U'\u00a0'), 1);
}

} // namespace
} // namespace shieldcalc
