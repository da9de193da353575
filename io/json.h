// The little JSON the program writes: one object per run, whose values
// are strings, numbers, null, nested objects (the inputs), arrays of
// objects (the advice, the points of a sweep) and arrays of numbers.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace shieldcalc::io {

// text as a JSON string literal, quotes included. Quotes, backslashes and
// control characters are escaped; other bytes, UTF-8 included, pass as they are.
std::string jsonString(std::string_view text);

// The shortest decimal text that reads back to the same number in the
// number's own precision ("0.1" for 0.1f). It is a valid JSON number for every
// finite value.
std::string shortestText(double value);
std::string shortestText(float value);
// The same, in plain decimal from 0.000001 up to below 1e10 ("100000",
// "0.0001"); beyond, the shorter of the plain and the exponent form
// ("1e-07"): how a frequency is written.
std::string plainShortestText(float value);

// Members are written in the order they are added.
class JsonObject {
public:
    JsonObject& addString(std::string_view key, std::string_view value);
    // numberText must already be a JSON number, as shortestText gives it.
    JsonObject& addNumber(std::string_view key, std::string_view numberText);
    JsonObject& addObject(std::string_view key, const JsonObject& value);
    JsonObject& addNull(std::string_view key);
    JsonObject& addArray(std::string_view key, std::span<const JsonObject> items);
    // An array of numbers, each as its shortest text.
    JsonObject& addNumbers(std::string_view key, std::span<const double> values);

    std::string text() const { return "{" + members_ + "}"; }

private:
    void addMember(std::string_view key, std::string_view valueText);

    std::string members_;
};

} // namespace shieldcalc::io
