// Conversion of typed texts to single-precision numbers.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>

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
        {"1e39", U'.', R::OutOfRange},
        {"-1e39", U'.', R::OutOfRange},
        {"3.4028236e38", U'.', R::OutOfRange},
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

} // namespace
} // namespace shieldcalc
