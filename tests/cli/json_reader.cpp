#include "json_reader.h"

#include <algorithm>
#include <stdexcept>

namespace shieldcalc::testing {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonValue readDocument() {
        JsonValue value = readValue();
        skipBlanks();
        if (pos_ != text_.size()) {
            fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("invalid JSON at " + std::to_string(pos_) + ": " + what);
    }

    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++pos_;
        }
    }

    void expect(char c) {
        skipBlanks();
        if (peek() != c) {
            fail(std::string("expected '") + c + "'");
        }
        ++pos_;
    }

    JsonValue readValue() {
        skipBlanks();
        if (peek() == '{') {
            return readObject();
        }
        if (peek() == '"') {
            return {JsonValue::Kind::String, readString(), {}};
        }
        if (peek() == '-' || isDigit(peek())) {
            return {JsonValue::Kind::Number, readNumber(), {}};
        }
        if (text_.substr(pos_).starts_with("null")) {
            pos_ += 4;
            return {JsonValue::Kind::Null, {}, {}};
        }
        if (peek() == '[') {
            return readArray();
        }
        fail("expected an object, an array, a string, null or a number");
    }

    JsonValue readArray() {
        JsonValue array{JsonValue::Kind::Array, {}, {}};
        expect('[');
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return array;
        }
        while (true) {
            array.items.push_back(readValue());
            skipBlanks();
            if (peek() == ']') {
                ++pos_;
                return array;
            }
            expect(',');
        }
    }

    JsonValue readObject() {
        JsonValue object;
        expect('{');
        skipBlanks();
        if (peek() == '}') {
            ++pos_;
            return object;
        }
        while (true) {
            skipBlanks();
            std::string key = readString();
            if (std::ranges::find(object.members, key, &JsonValue::Member::key) !=
                object.members.end()) {
                fail("key \"" + key + "\" given twice");
            }
            expect(':');
            object.members.push_back({std::move(key), readValue()});
            skipBlanks();
            if (peek() == '}') {
                ++pos_;
                return object;
            }
            expect(',');
        }
    }

    std::string readString() {
        if (peek() != '"') {
            fail("expected a string");
        }
        ++pos_;
        std::string value;
        while (!atEnd() && peek() != '"') {
            const char c = text_[pos_++];
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("control character in a string");
            }
            value += c == '\\' ? readEscape() : std::string(1, c);
        }
        if (atEnd()) {
            fail("unterminated string");
        }
        ++pos_;
        return value;
    }

    std::string readEscape() {
        static constexpr std::string_view kEscaped = "\"\\/bfnrt";
        static constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
        const char c = atEnd() ? '\0' : text_[pos_++];
        if (const auto at = kEscaped.find(c); c != '\0' && at != std::string_view::npos) {
            return std::string(1, kMeant[at]);
        }
        if (c != 'u') {
            fail("unknown escape");
        }
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            static constexpr std::string_view kHex = "0123456789abcdef0123456789ABCDEF";
            const auto digit = atEnd() ? std::string_view::npos : kHex.find(text_[pos_++]);
            if (digit == std::string_view::npos) {
                fail("bad \\u escape");
            }
            code = code * 16 + static_cast<unsigned>(digit % 16);
        }
        if (code >= 0xd800 && code <= 0xdfff) {
            fail("surrogate escapes are not read here");
        }
        return utf8(code);
    }

    static std::string utf8(unsigned code) {
        std::string bytes;
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xc0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3f));
        } else {
            bytes += static_cast<char>(0xe0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            bytes += static_cast<char>(0x80 | (code & 0x3f));
        }
        return bytes;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    std::string readNumber() {
        const std::size_t start = pos_;
        if (peek() == '-') {
            ++pos_;
        }
        if (peek() == '0') {
            ++pos_;
        } else {
            readDigits();
        }
        if (peek() == '.') {
            ++pos_;
            readDigits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-') {
                ++pos_;
            }
            readDigits();
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    void readDigits() {
        if (!isDigit(peek())) {
            fail("expected a digit");
        }
        while (isDigit(peek())) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

const JsonValue& JsonValue::at(std::string_view key) const {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return value;
        }
    }
    throw std::runtime_error("no member \"" + std::string(key) + "\"");
}

std::vector<std::string> JsonValue::keys() const {
    std::vector<std::string> names;
    for (const auto& member : members) {
        names.push_back(member.key);
    }
    return names;
}

JsonValue readJson(std::string_view text) {
    return Reader(text).readDocument();
}

} // namespace shieldcalc::testing
