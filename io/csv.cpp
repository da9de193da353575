#include "io/csv.h"

#include <algorithm>

namespace shieldcalc::io {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr int kEnd = -1;

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

CsvError::CsvError(long line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBlockSize) {}

bool CsvReader::refill() {
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    position_ = 0;
    return size_ > 0;
}

int CsvReader::peek() {
    if (position_ == size_ && !refill()) {
        return kEnd;
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int CsvReader::get() {
    const int c = peek();
    if (c != kEnd) {
        ++position_;
        if (c == '\n') {
            ++currentLine_;
        }
    }
    return c;
}

bool CsvReader::next(std::vector<std::string>& fields) {
    if (!started_) {
        started_ = true;
        // A byte-order mark, as some spreadsheets write one.
        static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
        if (peek() == kBom[0]) {
            std::size_t matched = 0;
            while (matched < 3 && peek() == kBom[matched]) {
                get();
                ++matched;
            }
            if (matched != 3) {
                throw CsvError(1, "the file is not UTF-8 text");
            }
        }
    }
    if (peek() == kEnd) {
        return false;
    }
    recordLine_ = currentLine_;
    std::size_t count = 0; // fields read; their strings are reused from record to record
    while (true) {
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& field = fields[count++];
        field.clear();
        int c = peek();
        if (c == '"') {
            get();
            while (true) {
                c = get();
                if (c == kEnd) {
                    throw CsvError(recordLine_, "a quoted field is not closed");
                }
                if (c == '"') {
                    if (peek() != '"') {
                        break;
                    }
                    get();
                }
                field += static_cast<char>(c);
            }
            c = peek();
            if (c != ',' && c != '\r' && c != '\n' && c != kEnd) {
                throw CsvError(recordLine_, "text after the closing quote of a field");
            }
        } else {
            // Up to the next delimiter, block by block; no line end inside.
            while (position_ < size_ || refill()) {
                const char* begin = buffer_.data() + position_;
                const char* end = buffer_.data() + size_;
                const char* stop = begin;
                while (stop != end && *stop != ',' && *stop != '\r' && *stop != '\n' &&
                       *stop != '"') {
                    ++stop;
                }
                field.append(begin, stop);
                position_ += static_cast<std::size_t>(stop - begin);
                if (stop != end) {
                    break;
                }
            }
            if (peek() == '"') {
                throw CsvError(recordLine_, "a quote inside a field that is not quoted");
            }
        }
        if (!isUtf8(field)) {
            throw CsvError(recordLine_, "the file is not UTF-8 text");
        }
        c = get();
        if (c == ',') {
            continue;
        }
        if (c == '\r' && peek() == '\n') {
            get();
        }
        fields.resize(count);
        return true; // end of line, or of the input
    }
}

void appendCsvField(std::string& out, std::string_view field) {
    const bool plain = std::ranges::none_of(
        field, [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (plain) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

} // namespace shieldcalc::io
