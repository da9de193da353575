// CSV as RFC 4180 has it, read one record at a time and written back.
//
// CsvReader reads from a stream in blocks and hands out one record at a
// time, so memory stays flat whatever the number of records: fields
// separated by commas, optionally quoted with doubled quotes inside, records
// ended by LF or CRLF, a UTF-8 byte-order mark at the start skipped. A
// carriage return (CR) is data inside quotes; outside them it must begin a
// CRLF, so that a stray CR never splits a record in two (files with CR-only
// line ends are refused at their first line). Lines are counted by their LF,
// as an editor counts them. A record may hold at most kMaxRecordBytes bytes
// (its line end not counted) and kMaxFields fields, so memory stays bounded
// however long a line is. A quote that is never closed, a quote inside an
// unquoted field, text after a closing quote, a stray CR, a record beyond
// the limits and bytes that are not UTF-8 throw CsvError with the line of
// the fault; a failed read throws CsvReadError with the system's reason.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace shieldcalc::io {

class CsvError : public std::runtime_error {
public:
    CsvError(long line, const std::string& what);
    long line() const { return line_; }

private:
    long line_;
};

inline constexpr std::size_t kMaxRecordBytes = std::size_t(1) << 20;
inline constexpr std::size_t kMaxFields = 1024;

// The input could not be read: the line being read and the system's reason.
class CsvReadError : public std::runtime_error {
public:
    CsvReadError(long line, std::error_code reason);
    long line() const { return line_; }

private:
    long line_;
};

class CsvReader {
public:
    // Makes in throw on a failed read (badbit), which carries the reason.
    explicit CsvReader(std::istream& in);

    // Reads the next record into fields; false at the end of the input.
    bool next(std::vector<std::string>& fields);
    // The line on which the last record read starts, from 1.
    long line() const { return recordLine_; }

private:
    int peek();
    int get();
    bool refill();
    // Counts bytes of the current record against the limit.
    void take(std::size_t bytes);

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    long currentLine_ = 1;
    long recordLine_ = 0;
    std::size_t recordBytes_ = 0; // of the record being read, without its line end
    bool started_ = false;
};

// field as a CSV field: quoted when it holds a comma, a quote or a line end.
void appendCsvField(std::string& out, std::string_view field);

} // namespace shieldcalc::io
