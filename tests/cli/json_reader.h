// A strict reader for the JSON that shieldcalc-cli writes, so that the tests
// check its output as a JSON consumer would see it. It reads objects, arrays, strings,
// null and numbers (kept as written, to check their digits), which is all the
// command line writes, and throws std::runtime_error on anything that is not
// valid JSON of that subset, on a key given twice and on anything after the
// value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shieldcalc::testing {

struct JsonValue {
    enum class Kind { Object, Array, String, Number, Null };

    Kind kind = Kind::Object;
    std::string text; // a string's characters, or a number as written
    struct Member;
    std::vector<Member> members;       // an object's, in order
    std::vector<JsonValue> items = {}; // an array's

    // The member named key of an object; throws when there is none.
    const JsonValue& at(std::string_view key) const;
    std::vector<std::string> keys() const;
};

// A plain struct rather than a std::pair, which clang cannot check for
// default construction while JsonValue is still incomplete.
struct JsonValue::Member {
    std::string key;
    JsonValue value;
};

JsonValue readJson(std::string_view text);

} // namespace shieldcalc::testing
