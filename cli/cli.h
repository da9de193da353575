// The command-line front end of the shielding engine.
//
// runCli takes the arguments after the program name: a sub-command (solid,
// aperture, double, enclosure) and its options, built from the calculation's
// field table. It reads the options into the input record of that
// calculation exactly as a form would (numbers in the C form, rounded to
// single precision; a list choice as its list index, "none" as -1; a custom
// material by its two properties; an optional length left out as 0), runs the
// computation and writes the SE to out, as a line of text or, with --json, as
// one JSON object. A fault is reported by its plain cause where the engine
// knows one. The sub-command batch runs the rows of a CSV file (batch.h),
// reading standard input from in. Messages go to err, and so do the warnings
// of the validity advice after a single result, unless --quiet is given or
// --reference lists them under the result on out. "--help" and "--version"
// in place of a sub-command print the program's help and its version.
// Everything written to out is flushed and checked before the end: an output
// that cannot be written ends the run with its reason on err. The return
// value is the process's exit status.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace shieldcalc::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitArithmeticFault = 1; // the computation failed
inline constexpr int kExitUsage = 2;       // the command line, or the file batch reads, is wrong
inline constexpr int kExitInputOutput = 3; // the input could not be read or the output written

int runCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same, with nothing to read on standard input.
int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace shieldcalc::cli
