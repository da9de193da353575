#include "io/json.h"

#include <array>
#include <charconv>
#include <cmath>

namespace shieldcalc::io {

std::string jsonString(std::string_view text) {
    static constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += kHexDigits[byte >> 4];
            quoted += kHexDigits[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

namespace {

template <class Real> std::string shortest(Real value) {
    // 64 characters hold every double in its shortest form.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// Fixed notation of a float below 1e10 needs at most 11 digits before the
// point and, from 0.000001 up, at most 15 after it.
constexpr float kPlainFrom = 1e-6f, kPlainBelow = 1e10f;

} // namespace

std::string shortestText(double value) {
    return shortest(value);
}
std::string shortestText(float value) {
    return shortest(value);
}

std::string plainShortestText(float value) {
    const float magnitude = std::fabs(value);
    if (magnitude != 0 && !(magnitude >= kPlainFrom && magnitude < kPlainBelow)) {
        return shortest(value);
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

JsonObject& JsonObject::addString(std::string_view key, std::string_view value) {
    addMember(key, jsonString(value));
    return *this;
}

JsonObject& JsonObject::addNumber(std::string_view key, std::string_view numberText) {
    addMember(key, numberText);
    return *this;
}

JsonObject& JsonObject::addObject(std::string_view key, const JsonObject& value) {
    addMember(key, value.text());
    return *this;
}

JsonObject& JsonObject::addNull(std::string_view key) {
    addMember(key, "null");
    return *this;
}

JsonObject& JsonObject::addArray(std::string_view key, std::span<const JsonObject> items) {
    std::string array = "[";
    for (const JsonObject& item : items) {
        if (array.size() > 1) {
            array += ", ";
        }
        array += item.text();
    }
    array += ']';
    addMember(key, array);
    return *this;
}

JsonObject& JsonObject::addNumbers(std::string_view key, std::span<const double> values) {
    std::string array = "[";
    for (double value : values) {
        if (array.size() > 1) {
            array += ", ";
        }
        array += shortestText(value);
    }
    array += ']';
    addMember(key, array);
    return *this;
}

void JsonObject::addMember(std::string_view key, std::string_view valueText) {
    if (!members_.empty()) {
        members_ += ", ";
    }
    members_ += jsonString(key);
    members_ += ": ";
    members_ += valueText;
}

} // namespace shieldcalc::io
