// CSV as RFC 4180 has it, read one record at a time and written back.
//
// CsvReader reads from a stream in blocks and hands out one record at a
// time, so memory stays flat whatever the number of records: fields
// separated by commas, optionally quoted with doubled quotes inside, records
// ended by CRLF or LF, a UTF-8 byte-order mark at the start skipped. A quote
// that is never closed, a quote inside an unquoted field, text after a
// closing quote, and bytes that are not UTF-8 throw CsvError with the line on
// which the record starts.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace shieldcalc::io {

class CsvError : public std::runtime_error {
public:
    CsvError(long line, const std::string& what);
    long line() const { return line_; }

private:
    long line_;
};

class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    // Reads the next record into fields; false at the end of the input.
    bool next(std::vector<std::string>& fields);
    // The line on which the last record read starts, from 1.
    long line() const { return recordLine_; }

private:
    int peek();
    int get();
    bool refill();

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    long currentLine_ = 1;
    long recordLine_ = 0;
    bool started_ = false;
};

// field as a CSV field: quoted when it holds a comma, a quote or a line end.
void appendCsvField(std::string& out, std::string_view field);

} // namespace shieldcalc::io
