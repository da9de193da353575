#include "io/csv.h"

#include "core/utf8.h"

#include <algorithm>

namespace shieldcalc::io {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr int kEnd = -1;

} // namespace

CsvError::CsvError(long line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

CsvReadError::CsvReadError(long line, std::error_code reason)
    : std::runtime_error(reason.message()), line_(line) {}

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBlockSize) {
    in_.exceptions(in_.exceptions() | std::ios::badbit);
}

bool CsvReader::refill() {
    try {
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    } catch (const std::ios_base::failure& failure) {
        throw CsvReadError(currentLine_, failure.code());
    }
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

void CsvReader::take(std::size_t bytes) {
    recordBytes_ += bytes;
    if (recordBytes_ > kMaxRecordBytes) {
        throw CsvError(recordLine_, "a record longer than 1 MiB (" +
                                        std::to_string(kMaxRecordBytes) + " bytes)");
    }
}

bool CsvReader::next(std::vector<std::string>& fields) {
    if (!started_) {
        started_ = true;
        // A byte-order mark, as some spreadsheets write one. The first block
        // holds the whole of it when the input does.
        constexpr std::string_view kBom = "\xEF\xBB\xBF";
        if (peek() != kEnd &&
            std::string_view(buffer_.data() + position_, size_ - position_).starts_with(kBom)) {
            position_ += kBom.size();
        }
    }
    if (peek() == kEnd) {
        return false;
    }
    recordLine_ = currentLine_;
    recordBytes_ = 0;
    std::size_t count = 0; // fields read; their strings are reused from record to record
    while (true) {
        if (count == kMaxFields) {
            throw CsvError(recordLine_, "more than " + std::to_string(kMaxFields) + " fields");
        }
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& field = fields[count++];
        field.clear();
        int c = peek();
        if (c == '"') {
            get();
            take(1);
            while (true) {
                c = get();
                if (c == kEnd) {
                    throw CsvError(recordLine_, "a quoted field is not closed");
                }
                take(1);
                if (c == '"') {
                    if (peek() != '"') {
                        break;
                    }
                    get();
                    take(1);
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
                take(static_cast<std::size_t>(stop - begin));
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
            take(1);
            continue;
        }
        if (c == '\r') {
            if (peek() != '\n') {
                throw CsvError(currentLine_, "a carriage return (CR) that is not followed by a "
                                             "line feed (LF); records end with LF or CRLF");
            }
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
