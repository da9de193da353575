// Writing to standard output, checked.
//
// What the command line writes may not arrive: the device is full, the
// descriptor is closed, the reader of a pipe has gone (with SIGPIPE ignored).
// checkOutput, called right after a write, turns a stream that has failed
// into OutputError carrying the system's reason as that write left it in
// errno; runCli reports it and ends the run, so that no failure is reported
// as success and no work goes on for an output nobody reads.
#pragma once

#include <cerrno>
#include <ostream>
#include <stdexcept>
#include <system_error>

namespace shieldcalc::cli {

class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline void checkOutput(const std::ostream& out) {
    if (!out) {
        throw OutputError(errno != 0 ? std::error_code(errno, std::system_category()).message()
                                     : "the write failed");
    }
}

} // namespace shieldcalc::cli
