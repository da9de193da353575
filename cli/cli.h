// The command-line front end of the shielding engine.
//
// runCli takes the arguments after the program name: a sub-command (solid,
// aperture, double, enclosure) and its options. It reads the options into the
// input record of that calculation exactly as a form would (numbers in the C
// form, rounded to single precision; a list choice as its list index, "none"
// as -1; an optional length left out as 0), runs the computation and writes
// the SE to out, as a line of text or, with --json, as one JSON object.
// Messages go to err. "--help" and "--version" in place of a sub-command
// print the program's help and its version. The return value is the
// process's exit status.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace shieldcalc::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitArithmeticFault = 1; // the computation failed
inline constexpr int kExitUsage = 2;           // the command line is wrong

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace shieldcalc::cli
