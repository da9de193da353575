// Frequency sweeps and reference values on the command line: their options.
//
// --sweep START:STOP[:N] takes the place of -f: the calculation runs over N
// frequencies (201 when N is left out) from START to STOP in the unit of -f,
// spaced logarithmically or, with --linear, evenly, and its points are
// written as the sweep table of io/sweep_table.h, CSV or, with --json, JSON.
// --reference on a single computation prints the reference model's SE and the
// advice under the result; --json always carries both. --receiver sets where
// the magnetic source's reference model receives the field.
#pragma once

#include "cli/options.h"
#include "core/sweep.h"

#include <string_view>

namespace shieldcalc::cli {

inline constexpr OptionSpec kSweepOption{
    "--sweep", OptionKind::Text, false, "START:STOP[:N]",
    "sweep the frequency from START to STOP (in the unit of -f, in place of -f) in N points, "
    "201 when left out"};
inline constexpr OptionSpec kLinearOption{
    "--linear", OptionKind::Flag, false, "",
    "space the points of a sweep evenly, not logarithmically"};
inline constexpr OptionSpec kReferenceOption{
    "--reference", OptionKind::Flag, false, "",
    "print the reference model's SE and the validity advice under the result"};

inline constexpr OptionSpec kReceiverOption{
    "--receiver", OptionKind::Number, false, "CM",
    "distance of the receiving loop behind the shield, cm, in the magnetic source's reference "
    "model; 0 puts it on the shield (by default as far as the source is before it)"};

// --sweep's value as a grid; a UsageError naming --sweep when it is none.
SweepGrid readSweepGrid(std::string_view text, bool linear);

} // namespace shieldcalc::cli
