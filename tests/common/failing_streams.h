// Streams that fail as devices do, for tests and fuzzing of what the command
// line does when its output cannot be written or its input cannot be read.
//
// FailingOutput accepts a number of bytes, then fails every write as a full
// device does (errno ENOSPC) or any other error given. FailingInput gives the
// bytes of a text up to a point, then fails the read as the standard file
// buffer does on an I/O error: it throws std::ios_base::failure carrying the
// system's error code.
#pragma once

#include <algorithm>
#include <cerrno>
#include <ios>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <utility>

namespace shieldcalc::testing {

class FailingOutputBuffer final : public std::streambuf {
public:
    FailingOutputBuffer(std::size_t capacity, int error) : room_(capacity), error_(error) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        const auto accepted = std::min<std::streamsize>(count, std::streamsize(room_));
        room_ -= std::size_t(accepted);
        if (accepted < count) {
            errno = error_;
        }
        return accepted;
    }

private:
    std::size_t room_;
    int error_;
};

class FailingOutput : public std::ostream {
public:
    explicit FailingOutput(std::size_t capacity = 0, int error = ENOSPC)
        : std::ostream(nullptr), buffer_(capacity, error) {
        rdbuf(&buffer_);
    }

private:
    FailingOutputBuffer buffer_;
};

class FailingInputBuffer final : public std::streambuf {
public:
    FailingInputBuffer(std::string text, std::size_t failAt, int error)
        : text_(std::move(text)), failAt_(std::min(failAt, text_.size())), error_(error) {
        setg(text_.data(), text_.data(), text_.data() + failAt_);
    }

protected:
    int_type underflow() override {
        throw std::ios_base::failure("read error", std::error_code(error_, std::system_category()));
    }

private:
    std::string text_;
    std::size_t failAt_;
    int error_;
};

class FailingInput : public std::istream {
public:
    FailingInput(std::string text, std::size_t failAt, int error = EIO)
        : std::istream(nullptr), buffer_(std::move(text), failAt, error) {
        rdbuf(&buffer_);
    }

private:
    FailingInputBuffer buffer_;
};

} // namespace shieldcalc::testing
