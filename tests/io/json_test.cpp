// The JSON text the program writes: string escaping and number text.
#include "io/json.h"
#include "tests/cli/json_reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace shieldcalc::testing {
namespace {

using io::jsonString;
using io::shortestText;

struct EscapeCase {
    const char* name;
    std::string text;
    std::string literal;
};
void PrintTo(const EscapeCase& row, std::ostream* os) {
    *os << row.name;
}

class JsonStringEscape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonStringEscape, WritesAValidLiteral) {
    EXPECT_EQ(jsonString(GetParam().text), GetParam().literal);
}

// clang-format off
const EscapeCase kEscapeCases[] = {
    {"empty", "", R"("")"},
    {"plain_ascii", "division by zero in reflection loss", R"("division by zero in reflection loss")"},
    {"quote", R"(say "no")", R"("say \"no\"")"},
    {"backslash", R"(a\b)", R"("a\\b")"},
    {"newline_and_tab", "a\nb\tc", R"("a\u000ab\u0009c")"},
    {"nul_byte", std::string("a\0b", 3), R"("a\u0000b")"},
    {"unit_separator", "\x1f", R"("\u001f")"},
    {"delete_passes", "\x7f", "\"\x7f\""},
    {"slash_passes", "a/b", R"("a/b")"},
    {"utf8_passes", "\xe9\x93\x9c", "\"\xe9\x93\x9c\""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Json, JsonStringEscape, ::testing::ValuesIn(kEscapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every ASCII character, alone and between others, reads back as itself.
TEST(JsonStringEscape, EveryAsciiCharacterReadsBack) {
    for (int c = 0; c < 0x80; ++c) {
        const std::string text = "<" + std::string(1, static_cast<char>(c)) + ">";
        const std::string document = "{\"k\": " + jsonString(text) + "}";
        EXPECT_EQ(readJson(document).at("k").text, text) << "character " << c;
    }
}

struct NumberTextCase {
    const char* name;
    std::string text;
    std::string expected;
};
void PrintTo(const NumberTextCase& row, std::ostream* os) {
    *os << row.name;
}

class ShortestText : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(ShortestText, IsTheShortestRoundTripAndValidJson) {
    EXPECT_EQ(GetParam().text, GetParam().expected);
    const JsonValue value = readJson("{\"n\": " + GetParam().text + "}").at("n");
    EXPECT_EQ(value.kind, JsonValue::Kind::Number);
}

// A float is written with the digits a float needs, not those of the double
// it widens to: 0.1f is "0.1", not "0.10000000149011612".
// clang-format off
const NumberTextCase kNumberTextCases[] = {
    {"single_tenth", shortestText(0.1f), "0.1"},
    {"double_tenth", shortestText(0.1), "0.1"},
    {"single_widened_to_double", shortestText(static_cast<double>(0.1f)), "0.10000000149011612"},
    {"single_third", shortestText(1.0f / 3), "0.33333334"},
    {"double_third", shortestText(1.0 / 3), "0.3333333333333333"},
    {"whole_number", shortestText(239.0), "239"},
    {"negative", shortestText(-15.147173f), "-15.147173"},
    {"small_single", shortestText(0.0023840165f), "0.0023840165"},
    {"large_single", shortestText(1e20f), "1e+20"},
    {"tiny_double", shortestText(3e-300), "3e-300"},
    {"largest_double", shortestText(std::numeric_limits<double>::max()), "1.7976931348623157e+308"},
    {"zero", shortestText(0.0f), "0"},
    {"negative_zero", shortestText(-0.0), "-0"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Json, ShortestText, ::testing::ValuesIn(kNumberTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A frequency reads back to the same float, in plain decimal from 0.000001
// up to below 1e10: every power of ten and its two float neighbours.
TEST(PlainShortestText, ReadsBackAndIsPlainWhereItIsShort) {
    for (int exponent = -12; exponent <= 12; ++exponent) {
        const float decade = std::pow(10.0f, float(exponent));
        for (const float value :
             {std::nextafter(decade, 0.0f), decade, std::nextafter(decade, 1e30f), -decade}) {
            const std::string text = io::plainShortestText(value);
            float back = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
            EXPECT_TRUE(error == std::errc() && end == text.data() + text.size() && back == value)
                << text;
            if (std::fabs(value) >= 1e-6f && std::fabs(value) < 1e10f) {
                EXPECT_EQ(text.find('e'), std::string::npos) << text;
            }
        }
    }
    EXPECT_EQ(io::plainShortestText(1e5f), "100000");
    EXPECT_EQ(io::plainShortestText(0.01f), "0.01");
    EXPECT_EQ(io::plainShortestText(0.0f), "0");
    EXPECT_EQ(io::plainShortestText(1e-7f), "1e-07");
}

TEST(JsonObject, WritesMembersInOrder) {
    io::JsonObject inner;
    inner.addNumber("f", "1").addString("material", "copper");
    const std::string text =
        io::JsonObject().addString("a", "x").addObject("in", inner).addNumber("n", "-2").text();
    EXPECT_EQ(text, R"({"a": "x", "in": {"f": 1, "material": "copper"}, "n": -2})");
    EXPECT_EQ(readJson(text).keys(), (std::vector<std::string>{"a", "in", "n"}));
}

TEST(JsonObject, WritesNullAndArraysOfObjects) {
    const std::vector<io::JsonObject> items(2, io::JsonObject().addNumber("n", "1"));
    const std::string text = io::JsonObject()
                                 .addNull("none")
                                 .addArray("two", items)
                                 .addArray("empty", std::span<const io::JsonObject>())
                                 .text();
    EXPECT_EQ(text, R"({"none": null, "two": [{"n": 1}, {"n": 1}], "empty": []})");
    const JsonValue json = readJson(text);
    EXPECT_EQ(json.at("none").kind, JsonValue::Kind::Null);
    EXPECT_EQ(json.at("two").items.size(), 2u);
    EXPECT_EQ(json.at("empty").kind, JsonValue::Kind::Array);
}

TEST(JsonObject, EmptyObject) {
    EXPECT_EQ(io::JsonObject().text(), "{}");
}

} // namespace
} // namespace shieldcalc::testing
